#pragma once

#include <QString>
#include <QVariantList>
#include <memory>

#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace search {

// Finds titles every way the desk looks them up. Each answer is a row source:
// counted apart and read a page at a time, in the order the titles were
// entered unless a column is chosen, each row in the window's columns
// (SearchColumn).
enum SearchColumn { Key, Kind, Name, Issn, Publisher, Status, PeriodEnd, LatestIssue, kColumns };

class SearchRecords {
  public:
    // Follows an ISSN whose check character is wrong.
    static inline const QString kIssnMark = QStringLiteral(" ผิด");

    explicit SearchRecords(const data::Database& db) : db_(db) {}

    std::shared_ptr<ui::RowSource> byKey(const QString& pointer) const;
    // `issn`: eight characters without hyphen, upper case; stored ISSNs are
    // compared with and without their hyphen.
    std::shared_ptr<ui::RowSource> byIssn(const QString& issn) const;
    // Titles whose ISSN has the first seven digits of `issn`, as the barcode
    // on a cover carries them: a wrong check character stored does not hide
    // the title from its cover.
    std::shared_ptr<ui::RowSource> byCover(const QString& issn) const;
    // Titles with the text in their main, compare, former or short name, or in
    // the name of their publisher or of the agent of one of their subscriptions.
    std::shared_ptr<ui::RowSource> byText(const QString& text) const;

    // The statements of the first page the three ways show, for timing the
    // database apart: byKey and byIssn take the one value, byText the
    // parameters of textParams.
    static QByteArray keySql();
    static QByteArray issnSql();
    // `indexed`: whether the FTS5 index serves the text (trigramSearchable).
    static QByteArray textSql(bool indexed);
    static QVariantList textParams(const QString& text, bool indexed);

  private:
    const data::Database& db_;
};

}  // namespace search
