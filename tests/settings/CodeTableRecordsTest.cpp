#include <gtest/gtest.h>

#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/Migrations.h"
#include "settings/CodeTableRecords.h"
#include "settings/UnitName.h"
#include "tests/support/Refusal.h"
#include "tests/support/TempDatabase.h"

using settings::CodeKind;
using settings::CodeTableRecords;
using Outcome = CodeTableRecords::Outcome;

namespace {

struct CodeRecords : ::testing::Test {
    testing_support::TempDatabase temp;

    int count(const char* table) {
        return temp.db()
            .first((QByteArray("SELECT count(*) FROM ") + table).constData())
            ->value(0)
            .toInt();
    }
    void subscribe(const QString& pointer, const char* column, const QString& code) {
        temp.db().exec(
            (QByteArray("INSERT INTO vorlen (pointer, ") + column + ") VALUES (?, ?)").constData(),
            {pointer, code});
    }
};

}  // namespace

TEST_F(CodeRecords, CodesAreNotEmptyAndUniqueAndStoredTrimmed) {
    CodeTableRecords currencies(temp.db(), CodeKind::currmony);
    EXPECT_EQ(currencies.add("  ", QStringLiteral("วอน")).outcome, Outcome::EmptyCode);
    EXPECT_EQ(currencies.add("06", "  ").outcome, Outcome::EmptyDescription);
    EXPECT_EQ(currencies.add(" 01 ", QStringLiteral("บาทอีก")).outcome, Outcome::DuplicateCode);
    EXPECT_EQ(count("currmony"), 5);

    EXPECT_EQ(currencies.add(" 06 ", QStringLiteral(" วอน ")).outcome, Outcome::Done);
    const auto rows = currencies.rows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows.back().code, "06");
    EXPECT_EQ(rows.back().description, QStringLiteral("วอน"));
    // A code with an apostrophe is a value like any other.
    EXPECT_EQ(currencies.add("O'1", "x").outcome, Outcome::Done);
    EXPECT_EQ(currencies.add("O'1", "y").outcome, Outcome::DuplicateCode);
}

TEST_F(CodeRecords, EachOfTheNineTablesTakesARowInItsOwnColumns) {
    for (int k = 0; k <= int(CodeKind::bindtype); ++k) {
        CodeTableRecords records(temp.db(), CodeKind(k));
        ASSERT_EQ(records.add("99", QStringLiteral("ใหม่")).outcome, Outcome::Done);
        EXPECT_EQ(records.rows().back().description, QStringLiteral("ใหม่"));
        EXPECT_EQ(records.describe("99", QStringLiteral("แก้")).outcome, Outcome::Done);
        EXPECT_EQ(records.rows().back().description, QStringLiteral("แก้"));
        EXPECT_EQ(records.remove("99").outcome, Outcome::Done);
    }
    EXPECT_EQ(count("bindcolor"), 5);
    EXPECT_EQ(count("bindtype"), 3);
}

TEST_F(CodeRecords, ADescriptionChangesButTheCodeStays) {
    CodeTableRecords languages(temp.db(), CodeKind::maglang);
    EXPECT_EQ(languages.describe("02", QStringLiteral("อังกฤษ")).outcome, Outcome::Done);
    EXPECT_EQ(languages.describe("02", " ").outcome, Outcome::EmptyDescription);
    EXPECT_EQ(languages.describe("77", "x").outcome, Outcome::Missing);
    EXPECT_EQ(languages.describe(" ", "x").outcome, Outcome::EmptyCode);
    EXPECT_EQ(languages.rows()[1].code, "02");
    EXPECT_EQ(languages.rows()[1].description, QStringLiteral("อังกฤษ"));
}

// A pick list finds a code by its description: two codes with one would
// store the wrong one.
TEST_F(CodeRecords, NoTwoCodesOfATableShareADescription) {
    CodeTableRecords faculties(temp.db(), CodeKind::department);
    faculties.add("90", "Library Annex");
    const QString second = faculties.rows()[1].description;
    struct Case {
        const char* change;
        QString code, description;
        Outcome outcome;
    };
    for (const Case& c : {Case{"add", "91", " " + second + " ", Outcome::DuplicateDescription},
                          {"add", "91", " library annex", Outcome::DuplicateDescription},
                          {"describe", "01", second, Outcome::DuplicateDescription},
                          {"describe", "01", "LIBRARY ANNEX ", Outcome::DuplicateDescription},
                          {"describe", "90", "LIBRARY ANNEX", Outcome::Done},  // its own
                          {"add", "91", second + QStringLiteral("ฯ"), Outcome::Done}}) {
        const auto result = QByteArray(c.change) == "add"
                                ? faculties.add(c.code, c.description)
                                : faculties.describe(c.code, c.description);
        EXPECT_EQ(result.outcome, c.outcome) << c.change << " " << c.description.toStdString();
        if (c.outcome == Outcome::DuplicateDescription) {
            EXPECT_TRUE(result.other == "02" || result.other == "90") << result.other.toStdString();
        }
    }
    EXPECT_EQ(faculties.rows()[0].description, QStringLiteral("ศูนย์วิทยบริการ"));
    EXPECT_EQ(count("department"), 9);
}

TEST_F(CodeRecords, ARowInUseStaysAndTheRefusalCountsTheTitles) {
    subscribe("J000001", "currency_code", "02");
    subscribe("J000001", "currency_code", "02");  // two subscriptions, one title
    subscribe("J000002", "currency_code", "02");
    CodeTableRecords currencies(temp.db(), CodeKind::currmony);
    const auto refused = currencies.remove("02");
    EXPECT_EQ(refused.outcome, Outcome::InUse);
    EXPECT_EQ(refused.titles, 2);
    EXPECT_EQ(count("currmony"), 5);
    EXPECT_EQ(currencies.remove("03").outcome, Outcome::Done);
    EXPECT_EQ(currencies.remove("03").outcome, Outcome::Missing);
    EXPECT_EQ(count("currmony"), 4);
}

TEST_F(CodeRecords, UseIsFoundInTitlesSubjectsAndRegistrations) {
    temp.db().exec("INSERT INTO vorlen1 (pointer, language_code) VALUES ('J000001', '02')");
    temp.db().exec("INSERT INTO typeclass VALUES ('J000001', '03')");
    // A faculty that only registered issues still has them on record.
    temp.db().exec(
        "INSERT INTO tranfile (magno, department_code, pointer) VALUES ('1', '05', 'J000001'),"
        " ('2', '05', 'J000003')");
    subscribe("J000002", "department_code", "05");
    EXPECT_EQ(CodeTableRecords(temp.db(), CodeKind::maglang).remove("02").titles, 1);
    EXPECT_EQ(CodeTableRecords(temp.db(), CodeKind::typemag).remove("03").titles, 1);
    EXPECT_EQ(CodeTableRecords(temp.db(), CodeKind::department).remove("05").titles, 3);
    EXPECT_EQ(CodeTableRecords(temp.db(), CodeKind::department).remove("06").outcome,
              Outcome::Done);
}

TEST_F(CodeRecords, TheTwoCodesTheProgramSelectsByAreKept) {
    EXPECT_EQ(CodeTableRecords(temp.db(), CodeKind::maglang).remove("01").outcome,
              Outcome::Meaningful);
    EXPECT_EQ(CodeTableRecords(temp.db(), CodeKind::receives).remove(" 1").outcome,
              Outcome::Meaningful);
    // The same texts in other tables carry no meaning.
    EXPECT_EQ(CodeTableRecords(temp.db(), CodeKind::currmony).remove("01").outcome, Outcome::Done);
    EXPECT_EQ(count("maglang"), 5);
    EXPECT_EQ(count("receives"), 4);
}

TEST_F(CodeRecords, AFailingChangeLeavesTheTableAsItWas) {
    testing_support::refuseWrites(
        temp.db(), "AFTER INSERT", "currmony", "refused",
        "UPDATE currmony SET Currency_Thai_Des = 'x' WHERE Currency_Code = '01'");
    CodeTableRecords currencies(temp.db(), CodeKind::currmony);
    EXPECT_THROW(currencies.add("06", QStringLiteral("วอน")), data::DbError);
    EXPECT_EQ(count("currmony"), 5);
    EXPECT_EQ(currencies.rows()[0].description, QStringLiteral("บาท"));
    // No transaction is left open: the next change goes through.
    EXPECT_EQ(currencies.describe("02", QStringLiteral("ดอลลาร์")).outcome, Outcome::Done);
}

TEST_F(CodeRecords, TheUnitNameIsStoredWithItsDefault) {
    EXPECT_EQ(settings::readUnitName(temp.db()), settings::kDefaultUnitName);
    settings::writeUnitName(temp.db(), QStringLiteral("  สำนักวิทยบริการ มหาวิทยาลัยราชภัฏ "));
    settings::writeUnitName(temp.db(), QStringLiteral("สำนักวิทยบริการ มหาวิทยาลัยราชภัฏ"));
    temp.reopen();
    EXPECT_EQ(settings::readUnitName(temp.db()), QStringLiteral("สำนักวิทยบริการ มหาวิทยาลัยราชภัฏ"));
    EXPECT_EQ(count("settings"), 1);
    settings::writeUnitName(temp.db(), " ");
    EXPECT_EQ(settings::readUnitName(temp.db()), settings::kDefaultUnitName);
}

TEST_F(CodeRecords, AnOlderFileGainsTheSettingsTable) {
    SKIP_ON_POSTGRES("the step that brings an older file up to date");
    temp.db().exec("DROP TABLE settings");
    temp.db().exec("PRAGMA user_version = 1");
    temp.reopen();
    EXPECT_EQ(settings::readUnitName(temp.db()), settings::kDefaultUnitName);
    temp.reopen();
    ASSERT_TRUE(data::prepareDatabase(temp.path()));
    EXPECT_EQ(data::fileVersion(temp.db()).userVersion, data::kSchemaVersion);
    settings::writeUnitName(temp.db(), QStringLiteral("หอสมุด"));
    EXPECT_EQ(settings::readUnitName(temp.db()), QStringLiteral("หอสมุด"));
}
