#include <gtest/gtest.h>

#include "data/Schema.h"
#include "renewal/ExpiryRecords.h"
#include "tests/renewal/ExpiryFixture.h"
#include "tests/support/TempDatabase.h"

using renewal::ExpiryRecords;
using renewal::Kind;
using renewal_test::addIssue;
using renewal_test::addSubscription;

namespace {

QStringList keys(const std::vector<renewal::ExpiringSubscription>& list) {
    QStringList out;
    for (const auto& s : list)
        out << s.pointer;
    return out;
}

const QDate kFirst(2008, 1, 1), kLast(2008, 3, 31);

}  // namespace

TEST(ExpiryRecords, ListsEveryLiveSubscriptionOfTheKindInTheInclusiveRange) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    addSubscription(db, {"J000001", "Journal J", "15/02/2008"});
    addSubscription(db, {"I000001", "Journal I", "01/01/2008"});  // first day
    addSubscription(db, {"J000002", "Last day", "31/03/2008"});   // last day
    addSubscription(db, {"J000003", "Before", "31/12/2007"});     // out of range
    addSubscription(db, {"J000004", "After", "01/04/2008"});      // out of range
    addSubscription(db, {"K000001", "Newspaper K", "10/02/2008"});
    addSubscription(db, {"L000001", "Newspaper L", "11/02/2008"});
    addSubscription(db, {"J000005", "Gift", "15/02/2008", "2"});  // status not "1"
    addSubscription(db, {"J000006", "Status 01", "15/02/2008", "01"});
    addSubscription(db, {"J000007", "Other agent", "15/02/2008", "1", "1", "2"});
    addSubscription(db, {"J000008", "Unknown dealer", "15/02/2008", "1", "99", "99"});
    addSubscription(db, {"J000009", "Unknown currency", "15/02/2008", "1", "1", "1", "77"});
    addSubscription(db, {"J000010", "No date", "not a date"});

    ExpiryRecords records(db);
    EXPECT_EQ(keys(records.expiring(Kind::Journals, kFirst, kLast)),
              (QStringList{"I000001", "J000001", "J000007", "J000008", "J000009", "J000002"}));
    EXPECT_EQ(keys(records.expiring(Kind::Newspapers, kFirst, kLast)),
              (QStringList{"K000001", "L000001"}));
    EXPECT_EQ(keys(records.expiring(Kind::Both, kFirst, kLast)),
              (QStringList{"I000001", "K000001", "L000001", "J000001", "J000007", "J000008",
                           "J000009", "J000002"}));
    EXPECT_TRUE(records.expiring(Kind::Journals, kLast, kFirst).empty());

    // The agent is the subscription's own; a code without its row leaves an
    // empty name, never a missing subscription.
    const auto one = records.expiring(Kind::Journals, QDate(2008, 2, 15), QDate(2008, 2, 15));
    ASSERT_EQ(one.size(), 4u);
    EXPECT_EQ(one[1].publisherName, "บริษัท มติชน จำกัด (มหาชน)");
    EXPECT_EQ(one[2].publisherName, "");
    EXPECT_EQ(one[2].currencyDescription, "ดอลลาร์สหรัฐ");
    EXPECT_EQ(one[3].currencyDescription, "");
    EXPECT_EQ(one[3].publisherName, "บริษัท ซีเอ็ดยูเคชั่น จำกัด (มหาชน)");
    EXPECT_EQ(one[0].name, "Journal J");
    EXPECT_EQ(one[0].pricePerYear, "1200");
    EXPECT_EQ(one[0].exchangeRate, "35.5");
    EXPECT_EQ(one[0].orderDate, "01/01/2007");
    EXPECT_EQ(one[0].endPeriod, "15/02/2008");
    EXPECT_EQ(one[0].publisherName, "บริษัท ซีเอ็ดยูเคชั่น จำกัด (มหาชน)");
    EXPECT_EQ(one[0].currencyDescription, "ดอลลาร์สหรัฐ");
}

TEST(ExpiryRecords, EachFacultysSubscriptionIsListedOnceWithItsOwnRow) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    renewal_test::Subscription science{"J000001", "Science", "15/02/2008"};
    addSubscription(db, science);
    science.department = "03";
    science.price = "900";
    addSubscription(db, science);
    science.department = "99";  // a faculty code without its row
    addSubscription(db, science);
    db.exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('1', 'twin')");
    db.exec("INSERT INTO currmony VALUES ('02', 'twin')");

    const auto list = ExpiryRecords(db).expiring(Kind::Journals, kFirst, kLast);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].departmentName, "ศูนย์วิทยบริการ");
    EXPECT_EQ(list[1].departmentName, "คณะวิทยาศาสตร์และเทคโนโลยี");
    EXPECT_EQ(list[1].pricePerYear, "900");
    EXPECT_EQ(list[2].departmentName, "");
    EXPECT_NE(list[0].subscription, list[1].subscription);
    EXPECT_EQ(list[0].publisherName, "บริษัท ซีเอ็ดยูเคชั่น จำกัด (มหาชน)");
    EXPECT_EQ(list[0].currencyDescription, "ดอลลาร์สหรัฐ");
}

TEST(ExpiryRecords, OrdersByTheDateNotTheText) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    addSubscription(db, {"J000001", "March", "15/03/2008"});
    addSubscription(db, {"J000002", "January", "20/01/2008"});
    addSubscription(db, {"J000003", "February, one-digit day", "5/2/2008"});
    EXPECT_EQ(keys(ExpiryRecords(db).expiring(Kind::Journals, kFirst, kLast)),
              (QStringList{"J000002", "J000003", "J000001"}));
}

TEST(ExpiryRecords, LatestIssueIsTheOneWithTheLatestDay) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    addSubscription(db, {"J000001", "With issues", "15/02/2008"});
    addSubscription(db, {"J000002", "Without issues", "16/02/2008"});
    addIssue(db, "J000001", "28/01/2008", "Vol. 3 no. 1");
    addIssue(db, "J000001", "02/03/2008", "Vol. 3 no. 3");  // latest, though its text sorts first
    addIssue(db, "J000001", "15/02/2008", "Vol. 3 no. 2");
    addIssue(db, "J000001", "ไม่ทราบ", "Undated");  // an unreadable day is the earliest
    addIssue(db, "J000003", "01/04/2008", "Another title's issue");

    const auto list = ExpiryRecords(db).expiring(Kind::Journals, kFirst, kLast);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].latestIssue, "Vol. 3 no. 3");
    EXPECT_EQ(list[1].latestIssue, "");
}

TEST(ExpiryRecords, RenewWritesFiveColumnsOfThatSubscriptionOnly) {
    testing_support::TempDatabase temp;
    data::Database& db = temp.db();
    addSubscription(db, {"J000001", "Renewed", "15/02/2008"});
    db.exec(
        "INSERT INTO vorlen (pointer, price_per_year, end_period) VALUES"
        " ('J000001', 'second', '15/02/2008')");
    const qint64 second = db.first("SELECT max(rowid) FROM vorlen")->value(0).toLongLong();
    const auto before = db.query("SELECT * FROM vorlen ORDER BY rowid");
    const auto titleBefore = db.first("SELECT * FROM vorlen1");

    ExpiryRecords records(db);
    EXPECT_TRUE(records.renew(second, {"1500", "05", "40", "15/02/2009", "20/01/2008"}));
    EXPECT_FALSE(records.renew(0, {"1", "01", "1", "01/01/2009", "01/01/2008"}));
    EXPECT_FALSE(records.renew(second + 1, {"1", "01", "1", "01/01/2009", "01/01/2008"}));
    // A currency or a title another desk removed meanwhile stops the renewal.
    EXPECT_THROW(records.renew(second, {"9", "99", "9", "01/01/2010", "01/01/2009"}),
                 renewal::RenewalRefused);

    const auto after = db.query("SELECT * FROM vorlen ORDER BY rowid");
    ASSERT_EQ(after.size(), 2u);
    for (int c = 0; c < data::vorlen::count; ++c) {
        switch (c) {
            case data::vorlen::price_per_year:
                EXPECT_EQ(after[1].text(c), "1500");
                break;
            case data::vorlen::currency_code:
                EXPECT_EQ(after[1].text(c), "05");
                break;
            case data::vorlen::exchange_rate:
                EXPECT_EQ(after[1].text(c), "40");
                break;
            case data::vorlen::end_period:
                EXPECT_EQ(after[1].text(c), "15/02/2009");
                break;
            case data::vorlen::order_date:
                EXPECT_EQ(after[1].text(c), "20/01/2008");
                break;
            default:
                EXPECT_EQ(after[1].text(c), before[1].text(c)) << "column " << c;
        }
        EXPECT_EQ(after[0].text(c), before[0].text(c)) << "first row, column " << c;
    }
    const auto titleAfter = db.first("SELECT * FROM vorlen1");
    for (int c = 0; c < data::vorlen1::count; ++c)
        EXPECT_EQ(titleAfter->text(c), titleBefore->text(c));

    db.exec("DELETE FROM vorlen1");
    EXPECT_THROW(records.renew(second, {"9", "01", "9", "01/01/2010", "01/01/2009"}),
                 renewal::RenewalRefused);
    EXPECT_EQ(db.first("SELECT price_per_year FROM vorlen WHERE rowid = ?", {second})->text(0),
              "1500");
}

TEST(ExpiryRecords, CurrenciesInTableOrder) {
    testing_support::TempDatabase temp;
    const auto rows = ExpiryRecords(temp.db()).currencies();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].code, "01");
    EXPECT_EQ(rows[0].description, "บาท");
    EXPECT_EQ(rows[4].code, "05");
}
