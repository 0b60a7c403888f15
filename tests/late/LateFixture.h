#pragma once

#include <QDate>
#include <QString>

#include "data/DateText.h"
#include "tests/support/TempDatabase.h"

namespace late_testing {

// Titles, subscriptions and issues written straight into a temporary
// database; dates are given as days and written as the desk writes them.
struct Desk {
    testing_support::TempDatabase temp;

    void title(const QString& pointer, const QString& name, const QString& magtype) {
        temp.db().exec("INSERT INTO vorlen1 (pointer, vorlen_name, magtype_code) VALUES (?, ?, ?)",
                       {pointer, name, magtype});
    }
    void subscription(const QString& pointer, const QString& department, QDate begin, QDate end,
                      const QString& agent = QStringLiteral("1"),
                      const QString& receive = QStringLiteral("1")) {
        temp.db().exec(
            "INSERT INTO vorlen (pointer, department_code, Receive_Code, begin_period,"
            " end_period, publisher_code) VALUES (?, ?, ?, ?, ?, ?)",
            {pointer, department, receive, data::writeDate(begin), data::writeDate(end), agent});
    }
    void issue(const QString& pointer, const QString& department, QDate received,
               const QString& description = QString()) {
        temp.db().exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily,"
            " descriptionitem) VALUES ('1', ?, ?, ?, ?, ?)",
            {department, pointer, data::writeDate(received), data::writeDate(received),
             description});
    }
    // A title with one subscription of faculty "01" running a year either side.
    void live(const QString& pointer, const QString& magtype, QDate today,
              const QString& agent = QStringLiteral("1")) {
        title(pointer, QStringLiteral("ชื่อ ") + pointer, magtype);
        subscription(pointer, QStringLiteral("01"), today.addYears(-1), today.addYears(1), agent);
    }
};

}  // namespace late_testing
