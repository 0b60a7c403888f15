#include "renewal/ExpiryRecords.h"

#include <QStringList>

#include "data/Database.h"
#include "renewal/ExpirySource.h"

namespace renewal {

std::vector<ExpiringSubscription> ExpiryRecords::expiring(Kind kind, QDate first,
                                                          QDate last) const {
    static const QByteArray kExpiring = ExpirySource::listSql({});
    std::vector<ExpiringSubscription> list;
    for (const data::Row& row :
         db_.query(kExpiring.constData(), ExpirySource(db_, kind, first, last).params()))
        list.push_back({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4),
                        row.text(5), row.text(6), row.text(7), row.text(8), row.text(9),
                        row.value(10).toLongLong(), row.text(11)});
    return list;
}

std::shared_ptr<ui::RowSource> ExpiryRecords::expiringRows(Kind kind, QDate first,
                                                           QDate last) const {
    return std::make_shared<ExpirySource>(db_, kind, first, last);
}

QString ExpiryRecords::currencyCode(qint64 subscription) const {
    const auto row = db_.first("SELECT currency_code FROM vorlen WHERE rowid = ?", {subscription});
    return row ? row->text(0) : QString();
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
