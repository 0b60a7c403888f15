#include "catalogue/TitleRecords.h"

#include <QVariantList>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/LeadingNumber.h"
#include "data/StoredKey.h"
#include "patterns/PatternRecords.h"

namespace catalogue {

namespace {

// The series number is a 16-bit signed integer in the stored key.
constexpr qint64 kLastSeriesNumber = 32767;

const char* const kSeriesColumn[] = {nullptr, "next_key1", "next_key2", "next_key3", "next_key4"};

QString blankAsTwoSpaces(const QString& s) {
    return s.isEmpty() ? QStringLiteral("  ") : s;
}

QString storedDate(const QString& s) {
    return data::reformatDate(s.trimmed());
}

QVariantList vorlen1Values(const TitleValues& v) {
    return {v.pointer,
            v.name,
            blankAsTwoSpaces(v.compareName),
            blankAsTwoSpaces(v.oldName),
            blankAsTwoSpaces(v.shortName),
            storedDate(v.firstYearPrinted),
            v.issn,
            v.languageCode,
            v.magtypeCode,
            v.numberPerVolume,
            v.volumePerYear,
            v.publisherCode};
}

QVariantList vorlenValues(const TitleValues& v) {
    return {v.pointer.trimmed(),       v.departmentCode.trimmed(), v.bindTypeCode.trimmed(),
            v.receiveCode.trimmed(),   v.bindColorCode.trimmed(),  v.copyPerYear.trimmed(),
            v.pricePerYear.trimmed(),  v.currencyCode.trimmed(),   v.exchangeRate.trimmed(),
            storedDate(v.beginPeriod), storedDate(v.endPeriod),    storedDate(v.orderDate),
            v.agentCode.trimmed(),     v.statusCode.trimmed()};
}

QVariantList typeclassValues(const TitleValues& v) {
    return {v.pointer.trimmed(), v.typeCode.trimmed()};
}

QVariantList withKey(QVariantList values, const QString& key) {
    values.append(key);
    return values;
}

void checkSeries(int series) {
    if (series < 1 || series > 4)
        throw KeySeriesError(QStringLiteral("ไม่มีชุดเลขทะเบียนที่ %1").arg(series));
}

}  // namespace

int TitleRecords::seriesFor(bool journal, const QString& languageCode) {
    const bool thai = languageCode == u"01";
    return journal ? (thai ? 1 : 2) : (thai ? 3 : 4);
}

QString TitleRecords::updatepointer(int series) {
    checkSeries(series);
    const auto row = db_.first("SELECT rowid, * FROM recsetup ORDER BY rowid LIMIT 1");
    // Position 0 of the query is the rowid; the table's positions follow.
    QString key = row ? row->text(series + 1) : QString();
    const QString trimmed = key.trimmed();
    if (trimmed.isEmpty())
        throw KeySeriesError(
            QStringLiteral("ไม่พบเลขทะเบียนเริ่มต้นของชุดที่ %1 กรุณาตรวจสอบตาราง recsetup").arg(series));
    const qint64 number = data::leadingNumber(trimmed.right(6));
    if (number >= kLastSeriesNumber)
        throw KeySeriesError(QStringLiteral("เลขทะเบียนชุดที่ %1 ใช้หมดแล้ว (%2) ไม่สามารถเพิ่มรายการใหม่ได้")
                                 .arg(series)
                                 .arg(trimmed));
    const QString next = trimmed.left(1) + QStringLiteral("%1").arg(number + 1, 6, 10, QChar(u'0'));
    const QString sql =
        QStringLiteral("UPDATE recsetup SET %1 = ? WHERE rowid = ?").arg(kSeriesColumn[series]);
    db_.exec(sql.toUtf8().constData(), {next, row->value(0)});
    return key;
}

void TitleRecords::insertRows(const TitleValues& v) {
    db_.exec(
        "INSERT INTO vorlen1 (pointer, vorlen_name, compare_name, old_name, shot_name,"
        " First_year_printed, issn, language_code, magtype_code, number_per_volume,"
        " volume_per_year, publisher_code) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)",
        vorlen1Values(v));
    insertVorlen(v);
    insertTypeclass(v);
}

void TitleRecords::insertVorlen(const TitleValues& v) {
    db_.exec("INSERT INTO vorlen VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)", vorlenValues(v));
}

void TitleRecords::insertTypeclass(const TitleValues& v) {
    db_.exec("INSERT INTO typeclass VALUES (?,?)", typeclassValues(v));
}

QString TitleRecords::addTitle(int series, const TitleValues& values, const InsideCheck& check) {
    data::Transaction tx(db_);
    if (check)
        check();
    QString key = addTitle(tx, series, values);
    tx.commit();
    return key;
}

QString TitleRecords::addTitle(data::Transaction&, int series, const TitleValues& values) {
    TitleValues v = values;
    v.pointer = updatepointer(series);
    insertRows(v);
    return v.pointer;
}

void TitleRecords::editTitle(const TitleValues& v, const InsideCheck& check) {
    data::Transaction tx(db_);
    if (check)
        check();
    // Each table is updated on its own row of the key, however its key is
    // spaced: an edit never adds a second subscription or kind row.
    const QString key = data::storedKey(db_, data::KeyTable::vorlen1, v.pointer);
    if (db_.exec(
            "UPDATE vorlen1 SET pointer=?, vorlen_name=?, compare_name=?, old_name=?,"
            " shot_name=?, First_year_printed=?, issn=?, language_code=?, magtype_code=?,"
            " number_per_volume=?, volume_per_year=?, publisher_code=?"
            " WHERE rowid = (SELECT rowid FROM vorlen1 WHERE pointer = ? ORDER BY rowid LIMIT 1)",
            withKey(vorlen1Values(v), key)) == 0)
        throw TitleNotFound(QStringLiteral("vorlen1"));
    if (db_.exec(
            "UPDATE vorlen SET pointer=?, department_code=?, bind_type_code=?,"
            " Receive_Code=?, bind_color_code=?, copy_per_year=?, price_per_year=?,"
            " currency_code=?, exchange_rate=?, begin_period=?, end_period=?, order_date=?,"
            " publisher_code=?, status_code=?"
            " WHERE rowid = (SELECT rowid FROM vorlen WHERE pointer = ? ORDER BY rowid LIMIT 1)",
            withKey(vorlenValues(v), data::storedKey(db_, data::KeyTable::vorlen, key))) == 0)
        insertVorlen(v);
    if (db_.exec(
            "UPDATE typeclass SET pointer=?, type_code=?"
            " WHERE rowid = (SELECT rowid FROM typeclass WHERE pointer = ? ORDER BY rowid LIMIT 1)",
            withKey(typeclassValues(v), data::storedKey(db_, data::KeyTable::typeclass, key))) == 0)
        insertTypeclass(v);
    tx.commit();
}

bool TitleRecords::deleteTitle(const QString& key) {
    data::Transaction tx(db_);
    int removed = 0;
    // Every row of the key however it is spaced: a rare command, the scan is
    // no burden.
    const QVariantList keys{key.trimmed()};
    removed += db_.exec("DELETE FROM typeclass WHERE trim(pointer) = ?", keys);
    removed += db_.exec("DELETE FROM vorlen WHERE trim(pointer) = ?", keys);
    removed += db_.exec("DELETE FROM vorlen1 WHERE trim(pointer) = ?", keys);
    // Nothing of the title stays behind unseen; its issues stay registered.
    patterns::PatternRecords(db_).removeTitle(key);
    tx.commit();
    return removed > 0;
}

TitleRecords::Holdings TitleRecords::holdings(const QString& key) const {
    const auto row = db_.first(
        "SELECT (SELECT count(*) FROM vorlen WHERE trim(pointer) = trim(?1)),"
        " (SELECT count(*) FROM tranfile WHERE trim(pointer) = trim(?1))",
        {key});
    return {row->value(0).toInt(), row->value(1).toInt()};
}

}  // namespace catalogue
