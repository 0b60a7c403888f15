#include "renewal/ExpirySource.h"

#include "data/Database.h"
#include "data/DateText.h"
#include "data/SortableDate.h"
#include "data/ThaiSortKey.h"

namespace renewal {

namespace {

const QByteArray& endDay() {
    static const QByteArray day = data::sortableDate("vorlen.end_period");
    return day;
}

// Each code table is joined on one row of that code at most, so that a code
// entered twice cannot list a subscription twice, and a code without a row
// leaves its name empty instead of hiding the subscription. The latest issue
// of the faculty's subscription is the one the database keeps beside the
// issues.
QByteArray chosen() {
    return " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
           " WHERE substr(vorlen1.pointer, 1, 1) IN (?1, ?2, ?3, ?4)"
           " AND vorlen.Receive_Code = '1'"
           " AND " +
           endDay() + " BETWEEN ?5 AND ?6";
}

QByteArray fromWhere() {
    return " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
           " LEFT JOIN latest_issue AS latest ON latest.pointer = trim(vorlen.pointer)"
           " AND latest.department_code = trim(vorlen.department_code)"
           " LEFT JOIN dealer ON dealer.rowid = (SELECT rowid FROM dealer"
           "  WHERE Publisher_Code = vorlen.publisher_code ORDER BY rowid LIMIT 1)"
           " LEFT JOIN currmony ON currmony.rowid = (SELECT rowid FROM currmony"
           "  WHERE Currency_Code = vorlen.currency_code ORDER BY rowid LIMIT 1)"
           " LEFT JOIN department ON department.rowid = (SELECT rowid FROM department"
           "  WHERE department_code = vorlen.department_code ORDER BY rowid LIMIT 1)"
           " WHERE substr(vorlen1.pointer, 1, 1) IN (?1, ?2, ?3, ?4)"
           " AND vorlen.Receive_Code = '1'"
           " AND " +
           endDay() + " BETWEEN ?5 AND ?6";
}

QByteArray orderTerm(int column) {
    switch (column) {
        case col::name:
            return data::thaiSortKey("vorlen1.vorlen_name");
        case col::endPeriod:
            return endDay();
        case col::latestIssue:
            return "latest.descriptionitem";
        case col::department:
            return "department.department_thai_des";
        case col::publisher:
            return "dealer.Publisher_Name";
        default:
            return {};
    }
}

}  // namespace

ExpirySource::ExpirySource(const data::Database& db, Kind kind, QDate first, QDate last) : db_(db) {
    const QStringList journals{QStringLiteral("I"), QStringLiteral("J")};
    const QStringList newspapers{QStringLiteral("K"), QStringLiteral("L")};
    const QStringList letters = kind == Kind::Journals     ? journals + journals
                                : kind == Kind::Newspapers ? newspapers + newspapers
                                                           : journals + newspapers;
    for (const QString& l : letters)
        params_ << l;
    params_ << first.toString(Qt::ISODate) << last.toString(Qt::ISODate);
}

bool ExpirySource::sortable(int column) const {
    return !orderTerm(column).isEmpty();
}

QByteArray ExpirySource::listSql(ui::ListOrder order) {
    const QByteArray dir = order.descending ? " DESC" : "";
    const QByteArray term = orderTerm(order.column);
    return "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.price_per_year,"
           " vorlen.exchange_rate, vorlen.order_date, vorlen.end_period,"
           " dealer.Publisher_Name, currmony.Currency_Thai_Des, latest.descriptionitem,"
           " department.department_thai_des, vorlen.rowid, vorlen.currency_code" +
           fromWhere() + " ORDER BY " + (term.isEmpty() ? QByteArray() : term + dir + ", ") +
           endDay() + dir + ", vorlen.rowid" + dir;
}

int ExpirySource::count() const {
    // The names joined on one row each change no count.
    static const QByteArray sql = "SELECT count(*)" + chosen();
    return db_.first(sql.constData(), params_)->value(0).toInt();
}

std::vector<QStringList> ExpirySource::rows(int offset, int limit) const {
    const QByteArray sql = listSql(order()) + " LIMIT ?7 OFFSET ?8";
    QVariantList params = params_;
    params << limit << offset;
    std::vector<QStringList> out;
    db_.forEach(sql.constData(), params, [&](data::Row&& r) {
        out.push_back({r.text(1), data::reformatDate(r.text(5)), r.text(8), r.text(9), r.text(2),
                       r.text(3), data::reformatDate(r.text(4)), r.text(6), r.text(7), r.text(0),
                       r.text(10)});
    });
    return out;
}

}  // namespace renewal
