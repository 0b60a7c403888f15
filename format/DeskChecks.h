#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "format/ImportReport.h"
#include "format/TitleKeys.h"

namespace format {

// Finds the rows of an old desk a clerk should look at, as the rows go by:
// the code tables and the publishers first, then the titles, then the rows
// that refer to them. Values are compared trimmed, as the windows do.
class DeskChecks {
  public:
    explicit DeskChecks(std::vector<DoubtfulRow>& doubts) : doubts_(doubts) {}

    // The rows of `table` come next.
    void begin(const QString& table);
    // One row of that table, its values in the table's column order.
    void check(qint64 row, const QStringList& values);
    // The first row of the key series, raised where a series would hand out
    // a key already stored.
    void raiseSeries(QStringList& series);
    // The counter row, raised above every registration number stored.
    void raiseCounter(QStringList& counter);
    // The registration numbers used more than once.
    void finish();

  private:
    enum class Kind { Code, Publisher, Title, Subscription, TitleKind, Issue, Other };
    static Kind kindOf(const QString& table);
    void doubt(const QString& table, qint64 row, const QString& key, const QString& column,
               const QString& value, const QString& reason);
    void checkCode(const QString& table, qint64 row, const QStringList& values, int column,
                   const QString& codeTable);
    void checkDate(const QString& table, qint64 row, const QStringList& values, int column);
    void checkPublisher(const QString& table, qint64 row, const QStringList& values, int column);
    void checkTitle(const QString& table, qint64 row, const QStringList& values, int column);
    void noteKey(const QString& pointer);
    void noteIssue(qint64 row, const QString& magno);

    std::vector<DoubtfulRow>& doubts_;
    QString table_;  // the table of the rows now checked, of kind_
    Kind kind_ = Kind::Other;
    QHash<QString, QSet<QString>> codes_;  // code table -> its trimmed codes
    QSet<QString> publishers_;
    QHash<QString, qint64> titles_;  // trimmed key -> its first title row
    TitleKeys known_;                // the same keys, for the lookup of every issue
    QSet<QString> reportedTitles_;
    QHash<QChar, qint64> highestKey_;  // key letter -> highest number
    qint64 highestIssue_ = 0;
    std::vector<std::pair<qint64, qint64>> issueNumbers_;    // number, row
    QHash<QString, std::vector<qint64>> otherIssueNumbers_;  // not all digits
};

}  // namespace format
