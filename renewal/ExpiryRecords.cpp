#include "renewal/ExpiryRecords.h"

#include <QStringList>

#include "data/Database.h"
#include "data/SortableDate.h"

namespace renewal {

namespace {

// The latest issue is the one with the latest registration day; an unreadable
// day sorts after every real one. Each code table is joined on one row of
// that code at most, so a code entered twice cannot list a subscription twice,
// and a code without a row leaves its name empty instead of hiding the
// subscription.
QByteArray expiringSql() {
    const QByteArray issueDay = data::sortableDate("tranfile.daily");
    const QByteArray endDay = data::sortableDate("vorlen.end_period");
    return "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.price_per_year,"
           " vorlen.exchange_rate, vorlen.order_date, vorlen.end_period,"
           " dealer.Publisher_Name, currmony.Currency_Thai_Des,"
           " (SELECT tranfile.descriptionitem FROM tranfile"
           "  WHERE tranfile.pointer = vorlen1.pointer ORDER BY " +
           issueDay +
           " DESC, tranfile.rowid LIMIT 1),"
           " department.department_thai_des, vorlen.rowid, vorlen.currency_code"
           " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
           " LEFT JOIN dealer ON dealer.rowid = (SELECT rowid FROM dealer"
           "  WHERE Publisher_Code = vorlen.publisher_code ORDER BY rowid LIMIT 1)"
           " LEFT JOIN currmony ON currmony.rowid = (SELECT rowid FROM currmony"
           "  WHERE Currency_Code = vorlen.currency_code ORDER BY rowid LIMIT 1)"
           " LEFT JOIN department ON department.rowid = (SELECT rowid FROM department"
           "  WHERE department_code = vorlen.department_code ORDER BY rowid LIMIT 1)"
           " WHERE substr(vorlen1.pointer, 1, 1) IN (?, ?, ?, ?)"
           " AND vorlen.Receive_Code = '1'"
           " AND " +
           endDay +
           " BETWEEN ? AND ?"
           " ORDER BY " +
           endDay + ", vorlen.rowid";
}

}  // namespace

std::vector<ExpiringSubscription> ExpiryRecords::expiring(Kind kind, QDate first,
                                                          QDate last) const {
    const QStringList journals{QStringLiteral("I"), QStringLiteral("J")};
    const QStringList newspapers{QStringLiteral("K"), QStringLiteral("L")};
    const QStringList letters = kind == Kind::Journals     ? journals + journals
                                : kind == Kind::Newspapers ? newspapers + newspapers
                                                           : journals + newspapers;
    static const QByteArray kExpiring = expiringSql();
    std::vector<ExpiringSubscription> list;
    for (const data::Row& row : db_.query(
             kExpiring.constData(), {letters[0], letters[1], letters[2], letters[3],
                                     first.toString(Qt::ISODate), last.toString(Qt::ISODate)}))
        list.push_back({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4),
                        row.text(5), row.text(6), row.text(7), row.text(8), row.text(9),
                        row.value(10).toLongLong(), row.text(11)});
    return list;
}

std::vector<ui::PickRow> ExpiryRecords::currencies() const {
    std::vector<ui::PickRow> rows;
    for (const data::Row& row : db_.query("SELECT * FROM currmony ORDER BY rowid"))
        rows.push_back({row.text(0), row.text(1)});
    return rows;
}

bool ExpiryRecords::renew(qint64 subscription, const RenewalValues& values) {
    data::Transaction tx(db_);
    const auto row = db_.first("SELECT pointer FROM vorlen WHERE rowid = ?", {subscription});
    if (!row)
        return false;
    if (!db_.first("SELECT 1 FROM vorlen1 WHERE pointer = ?", {row->text(0)}))
        throw RenewalRefused(QStringLiteral("รายชื่อวารสารนี้ถูกลบไปแล้วจากเครื่องอื่น จึงต่ออายุไม่ได้"));
    if (!values.currencyCode.isEmpty() &&
        !db_.first("SELECT 1 FROM currmony WHERE Currency_Code = ?", {values.currencyCode}))
        throw RenewalRefused(QStringLiteral("สกุลเงินที่เลือกถูกลบไปแล้วจากเครื่องอื่น กรุณาเลือกสกุลเงินอีกครั้ง"));
    db_.exec(
        "UPDATE vorlen SET price_per_year = ?, currency_code = ?, exchange_rate = ?,"
        " end_period = ?, order_date = ? WHERE rowid = ?",
        {values.pricePerYear, values.currencyCode, values.exchangeRate, values.endPeriod,
         values.orderDate, subscription});
    tx.commit();
    return true;
}

}  // namespace renewal
