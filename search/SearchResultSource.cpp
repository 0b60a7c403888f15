#include "search/SearchResultSource.h"

#include "data/Database.h"
#include "data/DateText.h"
#include "data/Issn.h"
#include "data/SortableDate.h"
#include "data/ThaiSortKey.h"
#include "search/SearchRecords.h"

namespace search {

namespace {

QString kindOf(const QString& pointer) {
    const QChar series = pointer.isEmpty() ? QChar() : pointer.at(0);
    if (series == u'J' || series == u'I')
        return QStringLiteral("วารสาร");
    if (series == u'K' || series == u'L')
        return QStringLiteral("หนังสือพิมพ์");
    return {};
}

// Eight ISSN characters are shown with their hyphen; a stored ISSN whose check
// character is wrong, or that is no ISSN at all, is marked.
QString issnCell(const QString& stored) {
    if (stored.trimmed().isEmpty())
        return {};
    const auto issn = data::issnDigits(stored);
    if (!issn)
        return stored.trimmed() + SearchRecords::kIssnMark;
    const QString shown = issn->left(4) + u'-' + issn->mid(4);
    return data::issnCheckRight(*issn) ? shown : shown + SearchRecords::kIssnMark;
}

QString latestIssueCell(const QString& daily, const QString& issueNo) {
    QString day = data::reformatDate(daily);
    if (issueNo.trimmed().isEmpty())
        return day;
    return QStringLiteral("%1 ฉบับที่ %2").arg(day, issueNo.trimmed()).trimmed();
}

// The ORDER BY term of each sortable column, by position in the listing.
QByteArray orderTerm(int column) {
    switch (column) {
        case Key:
            return "vorlen1.pointer";
        case Name:
            return data::thaiSortKey("vorlen1.vorlen_name");
        case Issn:
            return "trim(vorlen1.issn)";
        case Publisher:
            return "4";
        case Status:
            return "5";
        case PeriodEnd:
            return data::sortableDate("vorlen.end_period");
        case LatestIssue:
            return "tranfile.daily_key";
        default:
            return {};
    }
}

}  // namespace

bool SearchResultSource::sortable(int column) const {
    return !orderTerm(column).isEmpty();
}

// The rowids of the titles found, then each title with its publisher, latest
// subscription and latest issue; a code without its row leaves a cell empty.
QByteArray SearchResultSource::listSql(const Hits& hits, ui::ListOrder order) {
    const QByteArray dir = order.descending ? " DESC" : "";
    const QByteArray term = orderTerm(order.column);
    return "WITH " + (hits.with.isEmpty() ? QByteArray() : hits.with + ", ") + "hits(rid) AS (" +
           hits.rows +
           ")"
           " SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen1.issn,"
           " (SELECT Publisher_Name FROM dealer WHERE Publisher_Code = vorlen1.publisher_code"
           "  ORDER BY rowid LIMIT 1),"
           " (SELECT receivestatusdes FROM receives WHERE receivestatus = vorlen.Receive_Code"
           "  ORDER BY rowid LIMIT 1),"
           " vorlen.end_period, tranfile.daily, tranfile.issueno"
           " FROM vorlen1"
           " LEFT JOIN vorlen ON vorlen.rowid = (SELECT rowid FROM vorlen"
           "  WHERE vorlen.pointer = vorlen1.pointer ORDER BY " +
           data::sortableDate("vorlen.end_period") +
           " DESC, rowid LIMIT 1)"
           " LEFT JOIN tranfile ON tranfile.rowid = (SELECT rowid FROM tranfile"
           "  WHERE tranfile.pointer = vorlen1.pointer ORDER BY tranfile.daily_key DESC, rowid"
           "  LIMIT 1)"
           " WHERE vorlen1.rowid IN (SELECT rid FROM hits)" +
           (hits.check.isEmpty() ? QByteArray() : " AND (" + hits.check + ")") + " ORDER BY " +
           (term.isEmpty() ? QByteArray() : term + dir + ", ") + "vorlen1.rowid" + dir;
}

int SearchResultSource::count() const {
    const QByteArray sql = (hits_.with.isEmpty() ? QByteArray() : "WITH " + hits_.with + " ") +
                           "SELECT count(*) FROM vorlen1 WHERE rowid IN (" + hits_.rows + ")" +
                           (hits_.check.isEmpty() ? QByteArray() : " AND (" + hits_.check + ")");
    return db_.first(sql.constData(), params_)->value(0).toInt();
}

std::vector<QStringList> SearchResultSource::rows(int offset, int limit) const {
    const QByteArray sql = listSql(hits_, order()) + " LIMIT ? OFFSET ?";
    QVariantList params = params_;
    params << limit << offset;
    std::vector<QStringList> out;
    db_.forEach(sql.constData(), params, [&](data::Row&& r) {
        out.push_back({r.text(0), kindOf(r.text(0)), r.text(1), issnCell(r.text(2)), r.text(3),
                       r.text(4), data::reformatDate(r.text(5)),
                       latestIssueCell(r.text(6), r.text(7))});
    });
    return out;
}

}  // namespace search
