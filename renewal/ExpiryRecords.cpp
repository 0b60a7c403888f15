#include "renewal/ExpiryRecords.h"

#include "data/Database.h"
#include "data/SortableDate.h"

namespace renewal {

namespace {

// The latest issue is the one with the latest registration day; an unreadable
// day sorts after every real one.
QByteArray expiringSql() {
    const QByteArray issueDay = data::sortableDate("tranfile.daily");
    const QByteArray endDay = data::sortableDate("vorlen.end_period");
    return "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.price_per_year,"
           " vorlen.exchange_rate, vorlen.order_date, vorlen.end_period,"
           " dealer.Publisher_Name, currmony.Currency_Thai_Des,"
           " (SELECT tranfile.descriptionitem FROM tranfile"
           "  WHERE tranfile.pointer = vorlen1.pointer"
           "  ORDER BY " +
           issueDay +
           " DESC, tranfile.rowid LIMIT 1)"
           " FROM vorlen1, vorlen, dealer, currmony"
           " WHERE vorlen1.pointer = vorlen.pointer"
           " AND (substr(vorlen1.pointer, 1, 1) = ? OR substr(vorlen1.pointer, 1, 1) = ?)"
           " AND vorlen.Receive_Code = '1'"
           " AND vorlen1.publisher_code = dealer.Publisher_Code"
           " AND vorlen.publisher_code = dealer.Publisher_Code"
           " AND vorlen.currency_code = currmony.Currency_Code"
           " AND " +
           endDay +
           " BETWEEN ? AND ?"
           " ORDER BY " +
           endDay + ", vorlen.rowid";
}

}  // namespace

std::vector<ExpiringSubscription> ExpiryRecords::expiring(bool journals, QDate first,
                                                          QDate last) const {
    const QString one = journals ? QStringLiteral("I") : QStringLiteral("K");
    const QString two = journals ? QStringLiteral("J") : QStringLiteral("L");
    static const QByteArray kExpiring = expiringSql();
    std::vector<ExpiringSubscription> list;
    for (const data::Row& row :
         db_.query(kExpiring.constData(),
                   {two, one, first.toString(Qt::ISODate), last.toString(Qt::ISODate)}))
        list.push_back({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4),
                        row.text(5), row.text(6), row.text(7), row.text(8)});
    return list;
}

std::vector<ui::PickRow> ExpiryRecords::currencies() const {
    std::vector<ui::PickRow> rows;
    for (const data::Row& row : db_.query("SELECT * FROM currmony"))
        rows.push_back({row.text(0), row.text(1)});
    return rows;
}

bool ExpiryRecords::renew(const QString& pointer, const RenewalValues& values) {
    return db_.exec(
               "UPDATE vorlen SET price_per_year = ?, currency_code = ?, exchange_rate = ?,"
               " end_period = ?, order_date = ?"
               " WHERE rowid = (SELECT rowid FROM vorlen WHERE pointer = ?"
               " ORDER BY rowid LIMIT 1)",
               {values.pricePerYear, values.currencyCode, values.exchangeRate, values.endPeriod,
                values.orderDate, pointer}) > 0;
}

}  // namespace renewal
