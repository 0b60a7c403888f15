#pragma once

#include <QDate>
#include <QString>

#include <memory>

#include "articles/ArticleRecords.h"
#include "articles/ArticleSearch.h"
#include "articles/HeadingRecords.h"
#include "tests/support/TempDatabase.h"

namespace articles_testing {

// A journal with registered issues, written straight into a temporary
// database, and articles saved through the records.
struct Shelf {
    testing_support::TempDatabase temp;

    void journal(const QString& pointer, const QString& name, const QString& kind = "1") {
        temp.db().exec("INSERT INTO vorlen1 (pointer, vorlen_name, magtype_code) VALUES (?, ?, ?)",
                       {pointer, name, kind});
    }
    void issue(const QString& magno, const QString& pointer, const QString& daily,
               const QString& volume, const QString& number) {
        temp.db().exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno,"
            " issueno) VALUES (?, '01', ?, ?, ?, ?, ?)",
            {magno, pointer, daily, daily, volume, number});
    }
    qint64 article(const QString& magno, const QString& title,
                   std::vector<articles::AuthorName> authors, QStringList headings,
                   const QString& pages = {}, const QString& abstract = {},
                   QDate day = QDate(2026, 12, 10)) {
        articles::Article a;
        a.magno = magno;
        a.title = title;
        a.authors = std::move(authors);
        a.headings = std::move(headings);
        a.pages = pages;
        a.abstract = abstract;
        return articles::ArticleRecords(temp.db()).save(a, day);
    }
    // The articles found by title words and an author's name, as the
    // search window asks.
    std::shared_ptr<articles::ArticleSearchSource> search(const QString& words,
                                                          const QString& author) {
        articles::ArticleQuery q;
        q.words = words;
        q.author = author;
        return articles::ArticleSearch(temp.db()).find(q);
    }
    qint64 headingOf(const QString& text) {
        for (const auto& h : articles::HeadingRecords(temp.db()).all())
            if (h.shown() == text)
                return h.id;
        return 0;
    }
};

}  // namespace articles_testing
