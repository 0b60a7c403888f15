#include <gtest/gtest.h>

#include <QStringList>
#include <functional>

#include "data/Database.h"
#include "data/LateSchema.h"
#include "late/LateRecords.h"
#include "late/LateStore.h"
#include "patterns/PatternRecords.h"
#include "tests/late/LateFixture.h"

namespace {

const QDate kToday(2026, 12, 8);

struct Store : late_testing::Desk {
    QStringList keys(QDate today = kToday) {
        QStringList out;
        for (const late::LateTitle& t : late::LateRecords(temp.db()).late({}, today))
            out << t.pointer.trimmed() + u'/' + QString::number(t.daysLate);
        return out;
    }
    void exec(const char* sql, const QVariantList& values = {}) { temp.db().exec(sql, values); }
};

patterns::StoredPattern monthlyFrom(QDate known) {
    patterns::StoredPattern monthly;
    monthly.pattern.knownDate = known;
    monthly.pattern.knownVolume = 26;
    monthly.pattern.knownIssue = 1;
    monthly.pattern.volumeStartMonth = 1;
    monthly.pattern.graceDays = 10;
    return monthly;
}

}  // namespace

// The list is shown first, so that its rows are stored, and then a writer
// that knows nothing of them changes what they come from.
TEST(LateStore, EveryChangeToWhatALateIssueComesFromReachesTheStoredRows) {
    const struct {
        const char* what;
        std::function<void(Store&)> change;
        QStringList after;
    } cases[] = {
        {"nothing", [](Store&) {}, {"J1/30"}},
        {"the issue arrives", [](Store& s) { s.issue("J1", "01", kToday.addDays(-1)); }, {}},
        {"the on-time title's issue is taken back",
         [](Store& s) { s.exec("DELETE FROM tranfile WHERE pointer = 'J2'"); },
         {"J2/335", "J1/30"}},
        {"the period ends",
         [](Store& s) {
             s.exec("UPDATE vorlen SET end_period = ? WHERE pointer = 'J1'",
                    {data::writeDate(kToday.addDays(-1))});
         },
         {}},
        {"the copy is no longer received",
         [](Store& s) { s.exec("UPDATE vorlen SET Receive_Code = '2' WHERE pointer = 'J1'"); },
         {}},
        {"the title becomes a yearly",
         [](Store& s) { s.exec("UPDATE vorlen1 SET magtype_code = '08' WHERE pointer = 'J1'"); },
         {}},
        {"the monthly interval shortens",
         [](Store& s) {
             s.exec(
                 "UPDATE magtype_interval SET interval_days = 5, grace_days = 0"
                 " WHERE MagType_Code = '04'");
         },
         {"J1/55", "J2/5"}},
        {"the title's key changes",
         [](Store& s) {
             for (const char* table : {"vorlen1", "vorlen", "tranfile"})
                 s.exec((QByteArray("UPDATE ") + table + " SET pointer = 'J9' WHERE pointer = 'J1'")
                            .constData());
         },
         {"J9/30"}},
        {"the subscription goes",
         [](Store& s) { s.exec("DELETE FROM vorlen WHERE pointer = 'J1'"); },
         {}},
        {"the issue is given up",
         [](Store& s) {
             s.exec(
                 "INSERT INTO issue_claim (pointer, department_code, volume, issue,"
                 " expected_on, claim_count, not_received_reason)"
                 " VALUES ('J1', '01', 0, 0, ?, 3, 'ไม่มีจำหน่าย')",
                 {data::writeDate(kToday.addDays(-30))});
         },
         {}},
        {"the on-time title gets a pattern",
         [](Store& s) {
             patterns::PatternRecords(s.temp.db()).save("J2", monthlyFrom(QDate(2026, 11, 1)));
         },
         {"J2/37", "J1/30"}},
    };
    for (const auto& c : cases) {
        Store s;
        // Monthly: due 30 days after the last issue, late 20 days on.
        s.live("J1", "04", kToday);
        s.issue("J1", "01", kToday.addDays(-60));
        s.live("J2", "04", kToday);
        s.issue("J2", "01", kToday.addDays(-10));
        ASSERT_EQ(s.keys(), QStringList({"J1/30"})) << c.what;
        c.change(s);
        EXPECT_EQ(s.keys(), c.after) << c.what;
    }
}

TEST(LateStore, APatternedTitlesIssuesJoinTheListAsTheDaysGoByAndLeaveIfTheClockGoesBack) {
    Store s;
    s.live("J1", "04", kToday);
    patterns::PatternRecords(s.temp.db()).save("J1", monthlyFrom(QDate(2026, 10, 1)));
    // A copy whose period starts after every issue predicted today.
    s.title("J2", "x", "04");
    s.subscription("J2", "01", QDate(2027, 1, 5), QDate(2027, 12, 31));
    patterns::PatternRecords(s.temp.db()).save("J2", monthlyFrom(QDate(2026, 10, 1)));
    const struct {
        QDate today;
        QStringList late;
    } days[] = {
        {kToday, {"J1/68", "J1/37"}},
        // The issue of 1 January is predicted now, and late after its grace.
        {QDate(2027, 1, 10), {"J1/101", "J1/70", "J1/40"}},
        {QDate(2027, 1, 12), {"J1/103", "J1/72", "J1/42", "J1/11"}},
        {QDate(2027, 2, 12), {"J1/134", "J1/103", "J1/73", "J1/42", "J1/11", "J2/11"}},
        {kToday, {"J1/68", "J1/37"}},
    };
    for (const auto& d : days)
        EXPECT_EQ(s.keys(d.today), d.late) << d.today.toString(Qt::ISODate).toStdString();
}

// Every row is worked out a range of titles at a time: wherever the ranges
// end, the list is the one worked out in one go, claims and marks included.
TEST(LateStore, WorkingOutEveryRowARangeOfTitlesAtATimeListsWhatOneGoDoes) {
    Store s;
    const auto add = [&](const QString& pointer, bool patterned) {
        s.live(pointer, "04", kToday);
        if (patterned)
            patterns::PatternRecords(s.temp.db())
                .save(pointer.trimmed(), monthlyFrom(QDate(2026, 8, 1)));
    };
    add("J1", true);
    add("J2", false);
    s.subscription("J2", "02", kToday.addYears(-1), kToday.addYears(1));
    add(" J3 ", true);
    add("J4", true);
    s.subscription("J4", "02", kToday.addYears(-1), kToday.addYears(1));
    add("J5", false);
    s.issue("J1", "01", kToday.addDays(-20), "ปีที่ 26 ฉบับที่ 9");
    s.exec("UPDATE tranfile SET yearno = '26', issueno = '9' WHERE pointer = 'J1'");
    s.issue("J5", "01", kToday.addDays(-45));
    s.exec(
        "INSERT INTO issue_mark (pointer, department_code, volume, issue, status)"
        " VALUES ('J4', '02', 26, 10, ?)",
        {int(patterns::IssueStatus::NotPublished)});
    s.exec(
        "INSERT INTO issue_claim (pointer, department_code, volume, issue, expected_on,"
        " claim_count) VALUES ('J3', '01', 26, 11, '', 2), ('J2', '02', 0, 0, ?, 1)",
        {data::writeDate(QDate(2026, 1, 1))});
    const auto listed = [&](int range) {
        data::markEveryLateIssueStale(s.temp.db());
        late::LateStore(s.temp.db(), range).refresh(kToday);
        QStringList out;
        for (const late::LateTitle& t : late::LateRecords(s.temp.db()).late({}, kToday))
            out << t.pointer.trimmed() + u'/' + t.departmentCode + u'/' + t.issue + u'/' +
                       QString::number(t.daysLate) + u'/' + QString::number(t.claim.count);
        return out;
    };
    // A full working out drops the list's indexes and makes them again.
    const auto indexes = [&] {
        QStringList out;
        for (const data::Row& row : s.temp.db().query(
                 s.temp.db().isPostgres()
                     ? "SELECT indexdef FROM pg_indexes WHERE tablename = 'late_issue'"
                       " ORDER BY indexname"
                     : "SELECT sql FROM sqlite_master WHERE tbl_name = 'late_issue'"
                       " AND type = 'index' AND sql IS NOT NULL ORDER BY name"))
            out << row.text(0);
        return out;
    };
    const QStringList fresh = indexes();
    ASSERT_FALSE(fresh.isEmpty());
    const QStringList inOneGo = listed(1000);
    ASSERT_GE(inOneGo.size(), 10);
    for (int range : {1, 2, 3})
        EXPECT_EQ(listed(range), inOneGo) << range;
    EXPECT_EQ(indexes(), fresh);
}
