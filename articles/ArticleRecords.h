#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "articles/Citation.h"

namespace data {
class Database;
}

namespace articles {

struct AuthorName {
    QString name;
    bool corporate = false;
};

struct Article {
    qint64 id = 0;  // 0 until saved
    QString magno;  // the registered issue it belongs to
    QString title, otherTitle, pages, language, keywords, notes, abstract;
    QDate indexedOn;                  // the day it was first saved
    std::vector<AuthorName> authors;  // in order
    QStringList headings;             // at least one, each a heading or its Thai form
};

// The registered issue an article belongs to, as citations name it.
struct IssueOf {
    QString magno, pointer, journal, volume, issue, daily;
};

// The articles of registered issues with their authors and headings.
class ArticleRecords {
  public:
    explicit ArticleRecords(data::Database& db) : db_(db) {}

    // Why the article cannot be saved, in Thai; empty when it can.
    static QString problem(const Article& a);
    // Writes the article, its authors and headings (adding new names and
    // headings on the way) in one transaction; returns its key. The issue
    // must still be registered. `today` is the indexing day of a new one.
    qint64 save(const Article& a, const QDate& today);
    std::optional<Article> load(qint64 id) const;
    // Every article of the index, by key.
    std::vector<Article> all() const;
    // The issue's articles in page order.
    std::vector<Article> ofIssue(const QString& magno) const;
    int countOfIssue(const QString& magno) const;
    // Deletes the article with its author and heading places and its cards.
    void remove(qint64 id);

    std::optional<IssueOf> issue(const QString& magno) const;
    CitationParts citationParts(const Article& a) const;

  private:
    void fill(Article& a) const;

    data::Database& db_;
};

}  // namespace articles
