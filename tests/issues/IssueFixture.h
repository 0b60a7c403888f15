#pragma once

#include <QString>
#include <QStringList>

#include "data/Database.h"
#include "tests/support/Refusal.h"

namespace issues_test {

// A title with one subscription per department code.
inline void addTitle(data::Database& db, const QString& pointer, const QString& name,
                     const QStringList& departments = {QStringLiteral("01")}) {
    db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES (?, ?)", {pointer, name});
    for (const QString& d : departments)
        db.exec("INSERT INTO vorlen (pointer, department_code) VALUES (?, ?)", {pointer, d});
}

inline void addIssue(data::Database& db, const QString& magno, const QString& pointer,
                     const QString& daily, const QString& description = {}) {
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno, "
        "issueno, descriptionitem) VALUES (?, '01', ?, '01/01/2008', ?, '2008', '1', ?)",
        {magno, pointer, daily, description});
}

inline void setCounter(data::Database& db, const QString& value) {
    db.exec("UPDATE jourctrl SET nextmagno = ?", {value});
}

inline QString counter(data::Database& db) {
    return db.first("SELECT nextmagno FROM jourctrl")->text(0);
}

inline int issueCount(data::Database& db) {
    return db.first("SELECT count(*) FROM tranfile")->value(0).toInt();
}

// Makes every change of the counter fail, as a locked or refusing table would.
inline void refuseCounterUpdates(data::Database& db) {
    testing_support::refuseWrites(db, "BEFORE UPDATE", "jourctrl", "counter refused");
}

}  // namespace issues_test
