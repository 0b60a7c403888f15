#include <gtest/gtest.h>

#include "catalogue/TitleRecords.h"
#include "data/DbError.h"
#include "tests/support/Refusal.h"
#include "tests/support/TempDatabase.h"

using catalogue::TitleRecords;
using catalogue::TitleValues;

namespace {

TitleValues sample() {
    TitleValues v;
    v.name = QStringLiteral("วารสารวิทยาศาสตร์ O'Neil");
    v.firstYearPrinted = " 1/2/2025 ";
    v.issn = "1234-5678";
    v.languageCode = "01";
    v.magtypeCode = "04";
    v.numberPerVolume = "12";
    v.volumePerYear = "1";
    v.publisherCode = "3";
    v.departmentCode = " 02 ";
    v.bindTypeCode = "01";
    v.receiveCode = "1";
    v.bindColorCode = "02";
    v.copyPerYear = "1";
    v.pricePerYear = " 1500 ";
    v.currencyCode = "01";
    v.exchangeRate = "1";
    v.beginPeriod = "1/1/2026";
    v.endPeriod = "31/12/2026";
    v.orderDate = "5/11/2025";
    v.agentCode = "2";
    v.statusCode = "01";
    v.typeCode = "01";
    return v;
}

QString cell(data::Database& db, const char* sql, int pos = 0) {
    const auto row = db.first(sql);
    return row ? row->text(pos) : QStringLiteral("<none>");
}

}  // namespace

TEST(KeySeries, KindAndLanguageChooseTheSeries) {
    EXPECT_EQ(TitleRecords::seriesFor(true, "01"), 1);
    EXPECT_EQ(TitleRecords::seriesFor(true, "02"), 2);
    EXPECT_EQ(TitleRecords::seriesFor(false, "01"), 3);
    EXPECT_EQ(TitleRecords::seriesFor(false, "1"), 4);
    EXPECT_EQ(TitleRecords::seriesFor(true, " 01"), 2);
}

TEST(KeySeries, TakesTheStoredKeyAndAdvancesIt) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    db.exec("UPDATE recsetup SET next_key1 = 'J000041', next_key4 = 'L12'");
    TitleRecords records(db);
    EXPECT_EQ(records.addTitle(1, sample()), "J000041");
    EXPECT_EQ(cell(db, "SELECT next_key1 FROM recsetup"), "J000042");
    // A short value restarts the count at 000001.
    EXPECT_EQ(records.addTitle(4, sample()), "L12");
    EXPECT_EQ(cell(db, "SELECT next_key4 FROM recsetup"), "L000001");
    EXPECT_EQ(cell(db, "SELECT next_key2 FROM recsetup"), "I000001");
}

TEST(KeySeries, AnExhaustedOrEmptySeriesGivesNoKeyAndWritesNothing) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    db.exec("UPDATE recsetup SET next_key1 = 'J032767', next_key2 = 'I032766', next_key3 = ''");
    TitleRecords records(db);
    EXPECT_THROW(records.addTitle(1, sample()), catalogue::KeySeriesError);
    EXPECT_THROW(records.addTitle(3, sample()), catalogue::KeySeriesError);
    EXPECT_EQ(cell(db, "SELECT count(*) FROM vorlen1"), "0");
    EXPECT_EQ(cell(db, "SELECT next_key1 FROM recsetup"), "J032767");
    EXPECT_EQ(records.addTitle(2, sample()), "I032766");
    EXPECT_EQ(cell(db, "SELECT next_key2 FROM recsetup"), "I032767");
}

TEST(TitleRows, StoringRulesForNamesDatesAndTrimming) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    TitleRecords records(db);
    TitleValues v = sample();
    v.name = " ชื่อมีช่องว่าง ";
    const QString key = records.addTitle(1, v);

    const auto master = db.first("SELECT * FROM vorlen1");
    EXPECT_EQ(master->text(0), key);
    EXPECT_EQ(master->text(1), " ชื่อมีช่องว่าง ");
    EXPECT_EQ(master->text(2), "  ");
    EXPECT_EQ(master->text(3), "  ");
    EXPECT_EQ(master->text(4), "  ");
    EXPECT_TRUE(master->isNull(5));
    EXPECT_EQ(master->text(6), "01/02/2025");
    EXPECT_EQ(master->text(12), "3");

    const auto sub = db.first("SELECT * FROM vorlen");
    EXPECT_EQ(sub->text(1), "02");
    EXPECT_EQ(sub->text(6), "1500");
    EXPECT_EQ(sub->text(9), "01/01/2026");
    EXPECT_EQ(sub->text(11), "05/11/2025");
    EXPECT_EQ(sub->text(12), "2");
    EXPECT_EQ(cell(db, "SELECT type_code FROM typeclass"), "01");
}

TEST(TitleRows, AFailingWriteLeavesNoRowAndTheSeriesUntouched) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    testing_support::refuseWrites(db, "BEFORE INSERT", "typeclass", "disk said no");
    TitleRecords records(db);
    EXPECT_THROW(records.addTitle(1, sample()), data::DbError);
    EXPECT_EQ(cell(db, "SELECT count(*) FROM vorlen1"), "0");
    EXPECT_EQ(cell(db, "SELECT count(*) FROM vorlen"), "0");
    EXPECT_EQ(cell(db, "SELECT next_key1 FROM recsetup"), "J000001");
}

TEST(TitleRows, EditRewritesTheFirstRowsRepairsMissingOnesAndNeedsTheTitle) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    TitleRecords records(db);
    TitleValues v = sample();
    v.pointer = records.addTitle(1, v);
    db.exec("INSERT INTO vorlen (pointer, price_per_year) VALUES (?, '7')", {v.pointer});

    v.name = "New name";
    v.pricePerYear = "2000";
    records.editTitle(v);
    EXPECT_EQ(cell(db, "SELECT vorlen_name FROM vorlen1"), "New name");
    EXPECT_EQ(cell(db, "SELECT pointer FROM typeclass"), v.pointer);
    const auto prices = db.query("SELECT price_per_year FROM vorlen ORDER BY rowid");
    EXPECT_EQ(prices[0].text(0), "2000");
    EXPECT_EQ(prices[1].text(0), "7");

    // A title missing its subscription and subject rows gets them back.
    db.exec("DELETE FROM typeclass");
    db.exec("DELETE FROM vorlen");
    v.pricePerYear = "2500";
    records.editTitle(v);
    EXPECT_EQ(cell(db, "SELECT pointer, price_per_year FROM vorlen"), v.pointer);
    EXPECT_EQ(cell(db, "SELECT pointer, price_per_year FROM vorlen", 1), "2500");
    EXPECT_EQ(cell(db, "SELECT pointer, type_code FROM typeclass"), v.pointer);
    EXPECT_EQ(cell(db, "SELECT pointer, type_code FROM typeclass", 1), v.typeCode);

    // Without its title row nothing is written, not even the repairs.
    db.exec("DELETE FROM typeclass");
    db.exec("DELETE FROM vorlen1");
    v.name = "Other";
    EXPECT_THROW(records.editTitle(v), catalogue::TitleNotFound);
    EXPECT_EQ(cell(db, "SELECT count(*) FROM typeclass"), "0");
    EXPECT_EQ(cell(db, "SELECT price_per_year FROM vorlen"), "2500");
}

TEST(TitleRows, DeleteRemovesWhatExistsAndReportsNothingFound) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    TitleRecords records(db);
    const QString key = records.addTitle(1, sample());
    db.exec("DELETE FROM typeclass");
    // A second subscription, a pattern and a mark of its expected issues.
    db.exec("INSERT INTO vorlen (pointer, department_code) VALUES (?, '99')", {key});
    db.exec("INSERT INTO publication_pattern (pointer, frequency) VALUES (?, 4)", {key});
    db.exec(
        "INSERT INTO issue_mark (pointer, department_code, volume, issue, status)"
        " VALUES (?, '99', 1, 2, 1)",
        {key});
    EXPECT_TRUE(records.deleteTitle(key));
    for (const char* table :
         {"vorlen1", "vorlen", "typeclass", "publication_pattern", "issue_mark"})
        EXPECT_EQ(
            cell(db, QStringLiteral("SELECT count(*) FROM %1").arg(table).toUtf8().constData()),
            "0")
            << table;
    EXPECT_FALSE(records.deleteTitle(key));
    EXPECT_FALSE(records.deleteTitle("J'; --"));
}
