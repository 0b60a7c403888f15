#pragma once

#include <QString>
#include <QVariantList>
#include <vector>

namespace data {
class Database;
}

namespace search {

// One title as the search window lists it: its latest subscription (by period
// end) and the latest issue registered (by issue date); their cells are empty
// when the title has none.
struct FoundTitle {
    QString pointer;
    QString name;
    QString issn;
    QString publisher;
    QString receiveStatus;
    QString endPeriod;
    QString latestDaily;
    QString latestIssueNo;
};

// Finds titles every way the desk looks them up. Each answer is in the order
// the titles were entered and holds at most kLimit + 1 titles, so that the
// caller can tell that there were more.
class SearchRecords {
  public:
    static constexpr int kLimit = 500;

    explicit SearchRecords(const data::Database& db) : db_(db) {}

    std::vector<FoundTitle> byKey(const QString& pointer) const;
    // `issn`: eight characters without hyphen, upper case; stored ISSNs are
    // compared with and without their hyphen.
    std::vector<FoundTitle> byIssn(const QString& issn) const;
    // Titles whose ISSN has the first seven digits of `issn`, as the barcode
    // on a cover carries them: a wrong check character stored does not hide
    // the title from its cover.
    std::vector<FoundTitle> byCover(const QString& issn) const;
    // Titles with the text in their main, compare, former or short name, or in
    // the name of their publisher or of the agent of one of their subscriptions.
    std::vector<FoundTitle> byText(const QString& text) const;

    // The statements behind the three ways, for timing the database apart:
    // byKey and byIssn take the one value, byText the parameters of textParams.
    static QByteArray keySql();
    static QByteArray issnSql();
    // `indexed`: whether the FTS5 index serves the text (trigramSearchable).
    static QByteArray textSql(bool indexed);
    static QVariantList textParams(const QString& text, bool indexed);

  private:
    std::vector<FoundTitle> listed(const QByteArray& sql, const QVariantList& params) const;

    const data::Database& db_;
};

}  // namespace search
