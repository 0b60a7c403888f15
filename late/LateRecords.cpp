#include "late/LateRecords.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/SortableDate.h"

namespace late {

namespace {

// The live subscriptions are taken first and sorted by title and faculty,
// so the look-ups of their latest issues walk the issue index in its own
// order instead of jumping about it. The latest issue is the one received
// last for that title and faculty: the first entry of the index in date
// order, where an unreadable date sorts last, so a latest issue whose date
// does not read means none has come. The names of codes and the start of
// the period are read apart, which keeps the statement to what the indexes
// answer.
QByteArray liveSql() {
    const QByteArray received = data::sortableDate("t.receivedate");
    const QByteArray end = data::sortableDate("end_period");
    return "WITH live AS MATERIALIZED (SELECT rowid AS id FROM vorlen"
           " WHERE trim(Receive_Code) = '1' AND substr(pointer, 1, 1) IN (?1, ?2, ?3, ?4)"
           " AND (?5 = '' OR trim(department_code) = ?5)"
           " AND (?6 = '' OR trim(publisher_code) = ?6) AND " +
           end +
           " >= ?7"
           // The limit keeps the order, which a subquery may otherwise drop.
           " ORDER BY trim(pointer), trim(department_code) LIMIT -1)"
           " SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
           " vorlen.publisher_code, vorlen1.magtype_code, vorlen.begin_period,"
           " magtype_interval.interval_days, magtype_interval.grace_days,"
           " last.descriptionitem, last.receivedate"
           " FROM live JOIN vorlen ON vorlen.rowid = live.id"
           " JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
           " JOIN magtype_interval ON magtype_interval.MagType_Code = trim(vorlen1.magtype_code)"
           " LEFT JOIN tranfile last ON last.rowid = (SELECT t.rowid FROM tranfile t"
           " WHERE trim(t.pointer) = trim(vorlen.pointer)"
           " AND trim(t.department_code) = trim(vorlen.department_code) ORDER BY " +
           received + " DESC, t.rowid DESC LIMIT 1)";
}

// The name of each code, from the first row that holds the code, as every
// list of this program shows it.
QHash<QString, QString> codeNames(const data::Database& db, const char* sql) {
    QHash<QString, QString> names;
    for (const data::Row& row : db.query(sql))
        if (!names.contains(row.text(0)))
            names.insert(row.text(0), row.text(1));
    return names;
}

std::vector<ui::PickRow> pickRows(const data::Database& db, const char* sql) {
    std::vector<ui::PickRow> rows;
    for (const data::Row& row : db.query(sql))
        rows.push_back({row.text(0), row.text(1)});
    return rows;
}

}  // namespace

std::vector<LateTitle> LateRecords::late(const LateFilter& filter, QDate today) const {
    const QStringList journals{QStringLiteral("I"), QStringLiteral("J")};
    const QStringList newspapers{QStringLiteral("K"), QStringLiteral("L")};
    const QStringList letters = filter.kind == Kind::Journals     ? journals + journals
                                : filter.kind == Kind::Newspapers ? newspapers + newspapers
                                                                  : journals + newspapers;
    const auto departments = codeNames(
        db_, "SELECT department_code, Department_Thai_Des FROM department ORDER BY rowid");
    const auto frequencies =
        codeNames(db_, "SELECT MagType_Code, MagType_Thai_Des FROM magtype ORDER BY rowid");
    const auto agents =
        codeNames(db_, "SELECT Publisher_Code, Publisher_Name FROM dealer ORDER BY rowid");
    static const QByteArray kLive = liveSql();
    std::vector<LateTitle> list;
    for (const data::Row& row :
         db_.query(kLive.constData(),
                   {letters[0], letters[1], letters[2], letters[3], filter.departmentCode.trimmed(),
                    filter.agentCode.trimmed(), today.toString(Qt::ISODate)})) {
        const auto begin = data::readDate(row.text(5));
        if (!begin || *begin > today)
            continue;
        const auto received = data::readDate(row.text(9));
        const QDate expected = received.value_or(*begin).addDays(row.value(6).toInt());
        if (today <= expected.addDays(row.value(7).toInt()))
            continue;
        LateTitle t{row.text(0),
                    row.text(1),
                    row.text(2),
                    {},
                    row.text(3),
                    {},
                    frequencies.value(row.text(4)),
                    {},
                    {},
                    expected,
                    int(expected.daysTo(today))};
        t.departmentName = departments.value(t.departmentCode);
        t.agentName = agents.value(t.agentCode);
        if (received) {
            t.lastIssue = row.text(8);
            t.lastReceived = row.text(9);
        }
        list.push_back(std::move(t));
    }
    std::stable_sort(list.begin(), list.end(), [](const LateTitle& a, const LateTitle& b) {
        if (a.daysLate != b.daysLate)
            return a.daysLate > b.daysLate;
        return a.pointer != b.pointer ? a.pointer < b.pointer : a.departmentCode < b.departmentCode;
    });
    return list;
}

std::vector<ui::PickRow> LateRecords::departments() const {
    return pickRows(db_,
                    "SELECT Department_Code, Department_Thai_Des FROM department ORDER BY rowid");
}

std::vector<ui::PickRow> LateRecords::agents() const {
    return pickRows(db_,
                    "SELECT Publisher_Code, Publisher_Name FROM dealer WHERE Publisher_Code IN"
                    " (SELECT publisher_code FROM vorlen) ORDER BY Publisher_Name, rowid");
}

QStringList LateRecords::agentAddress(const QString& agentCode) const {
    QStringList lines;
    if (const auto row = db_.first("SELECT Publisher_Name, Publisher_Address1, Publisher_Address2"
                                   " FROM dealer WHERE trim(Publisher_Code) = ?"
                                   " ORDER BY rowid LIMIT 1",
                                   {agentCode.trimmed()}))
        for (int i = 0; i < 3; ++i)
            if (!row->text(i).trimmed().isEmpty())
                lines << row->text(i).trimmed();
    return lines;
}

}  // namespace late
