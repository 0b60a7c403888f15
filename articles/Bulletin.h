#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "articles/ArticleRecords.h"

namespace data {
class Database;
}
namespace ui {
class PageSurface;
}

namespace articles {

// One article of the bulletin under one of its headings.
struct BulletinEntry {
    Article article;
    CitationParts parts;
    QString citation;
};

struct BulletinGroup {
    QString heading;
    std::vector<BulletinEntry> entries;  // in citation order
};

// The index bulletin: the articles indexed in a range of days, under each of
// their subject headings in Thai dictionary order, as a printed list, as RIS
// for citation managers and as CSV.
class Bulletin {
  public:
    Bulletin(data::Database& db, const QDate& from, const QDate& to);

    const std::vector<BulletinGroup>& groups() const { return groups_; }
    // Prints the list and ends the document.
    void print(ui::PageSurface& page, bool withAbstracts) const;
    // Each article once (not once per heading), in RIS with its headings as keywords.
    QString ris() const;
    // One row per article: heading, citation, authors, title, journal, volume,
    // issue, year, pages, abstract; UTF-8 with a byte-order mark, so a
    // spreadsheet reads Thai.
    QByteArray csv() const;

  private:
    std::vector<const BulletinEntry*> eachArticleOnce() const;

    QDate from_, to_;
    std::vector<BulletinGroup> groups_;
};

}  // namespace articles
