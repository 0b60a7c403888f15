#include <gtest/gtest.h>

#include "data/DateText.h"
#include "data/LeadingNumber.h"
#include "data/SortableDate.h"
#include "tests/support/TempDatabase.h"

using namespace data;

TEST(DateText, ReadsDayFirstWithShortDayAndMonth) {
    EXPECT_EQ(readDate("1/2/2025"), QDate(2025, 2, 1));
    EXPECT_EQ(readDate(" 31/12/1999 "), QDate(1999, 12, 31));
    EXPECT_EQ(readDate("29/02/2024"), QDate(2024, 2, 29));
}

TEST(DateText, RefusesWhatIsNotARealDate) {
    for (const char* text :
         {"", "  /  /    ", "29/02/2023", "31/04/2025", "12/13/2025", "0/1/2025", "01/02/25",
          "01/02/20255", "1-2-2025", "a1/02/2025", "12//2025", "01/02/2025/", "๑/๒/๒๕๖๘"})
        EXPECT_FALSE(readDate(QString::fromUtf8(text))) << text;
}

TEST(DateText, ReadsStoredBytesAsItReadsText) {
    for (const char* text : {"01/02/2025", "29/02/2024", "29/02/2023", "31/04/2025", "00/01/2025",
                             "01/00/2025", "1/2/2025", " 31/12/1999 ", "31/12/1999\t", "12/13/2025",
                             "01/02/20255", "0a/02/2025", "๑/๒/๒๕๖๘", ""})
        EXPECT_EQ(readDateBytes(text), readDate(QString::fromUtf8(text))) << text;
}

TEST(DateText, WritesTwoDigitDayAndMonth) {
    EXPECT_EQ(writeDate(QDate(2025, 2, 1)), "01/02/2025");
    EXPECT_EQ(reformatDate("1/2/2025"), "01/02/2025");
    EXPECT_EQ(reformatDate("not a date"), "not a date");
}

TEST(SortableDate, BuiltInExpressionReadsAndOrdersDates) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    const auto sortable = [&](const char* text) {
        return db.first(("SELECT " + sortableDate("?1")).constData(), {QString::fromLatin1(text)})
            ->value(0);
    };
    EXPECT_EQ(sortable("5/1/2026").toString(), "2026-01-05");
    EXPECT_EQ(sortable(" 15/07/2003 ").toString(), "2003-07-15");
    for (const char* text : {"", "0/1/2025", "12/13/2025", "1-2-2025", "01/02/25", "a1/02/2025",
                             "01/02/20255", "12//2025"})
        EXPECT_TRUE(sortable(text).isNull()) << text;
    // The program's own reading of rows already read gives the same text.
    for (const char* text :
         {"5/1/2026",   " 15/07/2003 ", "31/04/2025", "",           "0/1/2025",
          "12/13/2025", "1-2-2025",     "01/02/25",   "a1/02/2025", "01/02/20255",
          "12//2025",   "\t1/2/2025",   "1/2/2025/",  "1/2/202a",   "001/2/2025",
          "+1/2/2025",  "01/01/2026",   "31/12/2026", "00/12/2026", "32/01/2026",
          "39/01/2026", "10/00/2026",   "10/13/2026", "10/19/2026", "1a/01/2026",
          "05/1/2026",  " 05/01/2026",  "05/01/2026 "}) {
        const int day = sortableDay(QString::fromLatin1(text));
        EXPECT_EQ(sortableDayBytes(text), day) << text;
        EXPECT_EQ(day ? QString::asprintf("%04d-%02d-%02d", day / 10000, day / 100 % 100, day % 100)
                      : QString(),
                  sortable(text).toString())
            << text;
        // The stored date keys, written over the text of the row before.
        QString key = QStringLiteral("1999-09-09");
        EXPECT_EQ(sortableDateText(QString::fromLatin1(text), key) ? key : QString(),
                  sortable(text).toString())
            << text;
    }

    // Ordered by date, not by text: 15/07/2003 is later than 31/01/2003.
    db.exec("CREATE TABLE d (t TEXT)");
    for (const char* t : {"31/01/2003", "15/07/2003", "", "2/1/2004"})
        db.exec("INSERT INTO d VALUES (?)", {QString::fromLatin1(t)});
    const QByteArray day = sortableDate("t");
    const auto rows =
        db.query(("SELECT t FROM d ORDER BY " + day + " IS NULL, " + day + " DESC").constData());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].text(0), "2/1/2004");
    EXPECT_EQ(rows[1].text(0), "15/07/2003");
    EXPECT_EQ(rows[2].text(0), "31/01/2003");
    EXPECT_EQ(rows[3].text(0), "");
}

TEST(LeadingNumber, ReadsTheDigitsATextStartsWith) {
    EXPECT_EQ(leadingNumber("125"), 125);
    EXPECT_EQ(leadingNumber("0125"), 125);
    EXPECT_EQ(leadingNumber("12A"), 12);
    EXPECT_EQ(leadingNumber("  41x"), 41);
    EXPECT_EQ(leadingNumber("J000041"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("99999999999999999999999"), std::numeric_limits<qint64>::max());
}

// Whatever writes an issue, a window or another SQLite tool, its date keys
// follow its dates, and the latest issue of its title is chosen by them.
TEST(SortableDate, TheIssuesDateKeysFollowTheirDatesOnEitherStore) {
    testing_support::TempDatabase temp;
    Database& db = temp.db();
    struct Step {
        const char* sql;
        const char* dailyKey;     // nullptr: NULL
        const char* receivedKey;  // nullptr: NULL
    };
    const Step steps[] = {
        {"INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily)"
         " VALUES ('k1', '01', 'J000001', '2/3/2024', '31/01/2024')",
         "2024-01-31", "2024-03-02"},
        {"UPDATE tranfile SET daily = ' 5/6/2023 ' WHERE magno = 'k1'", "2023-06-05", "2024-03-02"},
        {"UPDATE tranfile SET receivedate = 'not a date' WHERE magno = 'k1'", "2023-06-05",
         nullptr},
        {"UPDATE tranfile SET receivedate = '01/12/2025', daily = '' WHERE magno = 'k1'", nullptr,
         "2025-12-01"},
        {"UPDATE tranfile SET descriptionitem = 'x', pointer = 'J000002' WHERE magno = 'k1'",
         nullptr, "2025-12-01"},
    };
    for (const Step& step : steps) {
        db.exec(step.sql);
        const auto row =
            db.first("SELECT daily_key, receivedate_key FROM tranfile WHERE magno = 'k1'");
        ASSERT_TRUE(row);
        const auto shown = [](const QVariant& key) {
            return key.isNull() ? QStringLiteral("NULL") : key.toString();
        };
        EXPECT_EQ(shown(row->value(0)), step.dailyKey ? step.dailyKey : "NULL") << step.sql;
        EXPECT_EQ(shown(row->value(1)), step.receivedKey ? step.receivedKey : "NULL") << step.sql;
    }
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate) VALUES"
        " ('k2', '01', 'J000002', '30/11/2025')");
    EXPECT_EQ(db.first("SELECT receivedate FROM latest_issue WHERE pointer = 'J000002'")->text(0),
              "01/12/2025");
}
