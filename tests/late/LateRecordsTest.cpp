#include <gtest/gtest.h>

#include <QStringList>

#include "issues/IssueRegister.h"
#include "late/LateRecords.h"
#include "tests/late/LateFixture.h"

using late::Kind;
using late::LateFilter;
using late::LateRecords;

namespace {

const QDate kToday(2026, 12, 8);

struct Late : ::testing::Test, late_testing::Desk {
    QStringList keys(const LateFilter& filter = {}, QDate today = kToday) {
        QStringList out;
        for (const late::LateTitle& t : LateRecords(temp.db()).late(filter, today))
            out << t.pointer;
        return out;
    }
    late::LateTitle only(QDate today = kToday) {
        const auto list = LateRecords(temp.db()).late({}, today);
        EXPECT_EQ(list.size(), 1u);
        return list.empty() ? late::LateTitle{} : list.front();
    }
};

}  // namespace

TEST_F(Late, EachFrequencyIsLateOnceItsIntervalAndGraceHavePassed) {
    const struct {
        const char* code;
        int days, grace;
    } frequencies[] = {{"01", 1, 2},   {"02", 7, 7},   {"03", 14, 10},  {"04", 30, 20},
                       {"05", 61, 30}, {"06", 91, 45}, {"07", 182, 60}, {"08", 365, 90}};
    QStringList expected;
    for (const auto& f : frequencies) {
        const QString onTime = QStringLiteral("J%1A").arg(f.code);
        const QString overdue = QStringLiteral("J%1B").arg(f.code);
        temp.clear("vorlen1");
        temp.clear("vorlen");
        temp.clear("tranfile");
        live(onTime, f.code, kToday);
        issue(onTime, "01", kToday.addDays(-(f.days + f.grace)));
        live(overdue, f.code, kToday);
        issue(overdue, "01", kToday.addDays(-(f.days + f.grace + 1)), QStringLiteral("ฉบับ 7"));
        // Both issues came within the period.
        temp.db().exec("UPDATE vorlen SET begin_period = ?",
                       {data::writeDate(kToday.addYears(-2))});
        const late::LateTitle t = only();
        EXPECT_EQ(t.pointer, overdue) << f.code;
        EXPECT_EQ(t.daysLate, f.grace + 1) << f.code;
        EXPECT_EQ(t.expected, kToday.addDays(-(f.grace + 1))) << f.code;
        EXPECT_EQ(t.lastIssue, QStringLiteral("ฉบับ 7"));
        EXPECT_EQ(t.lastReceived, data::writeDate(kToday.addDays(-(f.days + f.grace + 1))));
    }
}

TEST_F(Late, TheStartOfThePeriodCountsWhenNoIssueCameInIt) {
    title("J1", "x", "04");
    subscription("J1", "01", kToday.addDays(-51), kToday.addYears(1));
    title("J2", "x", "04");
    subscription("J2", "01", kToday.addDays(-50), kToday.addYears(1));
    late::LateTitle t = only();
    EXPECT_EQ(t.pointer, "J1");
    EXPECT_EQ(t.expected, kToday.addDays(-21));
    EXPECT_EQ(t.lastReceived, "");

    // An issue of an earlier period does not make the new one years late.
    issue("J1", "01", QDate(2017, 5, 2), QStringLiteral("ฉบับปี 2560"));
    t = only();
    EXPECT_EQ(t.expected, kToday.addDays(-21));
    EXPECT_EQ(t.daysLate, 21);
    EXPECT_EQ(t.lastIssue, QStringLiteral("ฉบับปี 2560"));
}

TEST_F(Late, OnlyLiveSubscriptionsOfRegularFrequenciesAreChased) {
    const QDate old = kToday.addYears(-2);
    title("J1", "ended", "04");
    subscription("J1", "01", old, kToday.addDays(-1));
    title("J2", "not started", "04");
    subscription("J2", "01", kToday.addDays(1), kToday.addYears(1));
    title("J3", "given", "04");
    subscription("J3", "01", old, kToday.addYears(1), "1", "2");
    temp.db().exec("INSERT INTO magtype VALUES ('09', 'ไม่กำหนด')");
    live("J4", "09", kToday);
    issue("J4", "01", old);
    live("J5", "04", kToday);
    issue("J5", "01", old);
    EXPECT_EQ(keys(), QStringList({"J5"}));
    // An issue of another faculty's copy does not count for this one.
    issue("J5", "02", kToday);
    EXPECT_EQ(keys(), QStringList({"J5"}));
}

TEST_F(Late, DatesRunOverMonthEndsAndLeapDays) {
    live("J1", "04", QDate(2026, 3, 1));
    issue("J1", "01", QDate(2026, 1, 31));
    EXPECT_TRUE(keys({}, QDate(2026, 3, 22)).isEmpty());
    EXPECT_EQ(only(QDate(2026, 3, 23)).expected, QDate(2026, 3, 2));

    temp.clear("vorlen1");
    temp.clear("vorlen");
    temp.clear("tranfile");
    live("K1", "01", QDate(2028, 3, 1));
    issue("K1", "01", QDate(2028, 2, 28));
    EXPECT_TRUE(keys({}, QDate(2028, 3, 2)).isEmpty());
    const late::LateTitle t = only(QDate(2028, 3, 3));
    EXPECT_EQ(t.expected, QDate(2028, 2, 29));
    EXPECT_EQ(t.daysLate, 3);
}

TEST_F(Late, TheLatestIssueFollowsEveryRegistrationCorrectionAndRemoval) {
    live("J1", "02", kToday);
    issues::IssueRegister issues(temp.db());
    const auto add = [&](QDate received, const QString& description) {
        return issues.addIssue({QString(), QStringLiteral("01"), QStringLiteral("J1"),
                                data::writeDate(received), data::writeDate(received), QString(),
                                QString(), description});
    };
    const auto correct = [&](const QString& magno, const QString& received,
                             const QString& description) {
        issues.updateIssue(magno, {received, received, QString(), QString(), description});
    };
    const QString newer = add(QDate(2026, 11, 5), QStringLiteral("ใหม่"));
    const QString older = add(QDate(2026, 10, 28), QStringLiteral("เก่า"));
    EXPECT_EQ(only().lastIssue, QStringLiteral("ใหม่"));
    EXPECT_EQ(only().expected, QDate(2026, 11, 12));

    correct(newer, QStringLiteral("01/10/2026"), QStringLiteral("ใหม่"));
    EXPECT_EQ(only().lastIssue, QStringLiteral("เก่า"));
    // An unreadable date sorts below every real one.
    correct(older, QStringLiteral("28/13/2026"), QStringLiteral("เก่า"));
    EXPECT_EQ(only().lastIssue, QStringLiteral("ใหม่"));
    EXPECT_EQ(only().expected, QDate(2026, 10, 8));

    issues.deleteIssue(newer);
    EXPECT_EQ(only().lastIssue, QString()) << "the one left has no readable date";
    EXPECT_EQ(only().expected, kToday.addYears(-1).addDays(7));
    issues.deleteIssue(older);
    EXPECT_EQ(only().expected, kToday.addYears(-1).addDays(7));
    EXPECT_EQ(temp.db().first("SELECT count(*) FROM latest_issue")->value(0).toInt(), 0);

    // A row moved to another faculty leaves this one's latest issue.
    add(QDate(2026, 11, 20), QStringLiteral("ย้าย"));
    EXPECT_EQ(only().lastIssue, QStringLiteral("ย้าย"));
    temp.db().exec("UPDATE tranfile SET department_code = '02'");
    EXPECT_EQ(only().lastIssue, QString());
}

TEST_F(Late, MostLateFirstAndFilteredByKindFacultyAndAgent) {
    live("J1", "04", kToday, "1");
    issue("J1", "01", kToday.addDays(-60));
    live("K1", "01", kToday, "2");
    issue("K1", "01", kToday.addDays(-100));
    live("I1", "04", kToday, "2");
    issue("I1", "01", kToday.addDays(-60));
    title("J2", "x", "04");
    subscription("J2", "02", kToday.addYears(-1), kToday.addYears(1), "1");
    issue("J2", "02", kToday.addDays(-55));

    EXPECT_EQ(keys(), QStringList({"K1", "I1", "J1", "J2"}));
    EXPECT_EQ(keys({Kind::Journals, {}, {}}), QStringList({"I1", "J1", "J2"}));
    EXPECT_EQ(keys({Kind::Newspapers, {}, {}}), QStringList({"K1"}));
    EXPECT_EQ(keys({Kind::Both, "02", {}}), QStringList({"J2"}));
    EXPECT_EQ(keys({Kind::Both, {}, "2"}), QStringList({"K1", "I1"}));
    EXPECT_EQ(keys({Kind::Journals, "01", "1"}), QStringList({"J1"}));
    // A value that would break spliced SQL is only a code that matches nothing.
    EXPECT_TRUE(keys({Kind::Both, "01' OR '1'='1", {}}).isEmpty());
}
