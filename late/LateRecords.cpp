#include "late/LateRecords.h"

#include <QStringList>
#include <algorithm>

#include "data/Database.h"
#include "data/SortableDate.h"

namespace late {

namespace {

// The latest issue is the one received last for that title and faculty; an
// unreadable received date counts as never received. Each code table is
// joined on one row of that code at most, as the expiry list does.
QByteArray liveSql() {
    const QByteArray received = data::sortableDate("t.receivedate");
    const QByteArray begin = data::sortableDate("vorlen.begin_period");
    const QByteArray end = data::sortableDate("vorlen.end_period");
    const QByteArray latest =
        "(SELECT t.rowid FROM tranfile t WHERE trim(t.pointer) = trim(vorlen1.pointer)"
        " AND trim(t.department_code) = trim(vorlen.department_code) AND " +
        received + " IS NOT NULL ORDER BY " + received + " DESC, t.rowid DESC LIMIT 1)";
    return "SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
           " department.Department_Thai_Des, vorlen.publisher_code, dealer.Publisher_Name,"
           " magtype.MagType_Thai_Des, last.descriptionitem, last.receivedate, " +
           begin +
           ", magtype_interval.interval_days, magtype_interval.grace_days"
           " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
           " JOIN magtype_interval ON magtype_interval.MagType_Code = trim(vorlen1.magtype_code)"
           " LEFT JOIN magtype ON magtype.rowid = (SELECT rowid FROM magtype"
           "  WHERE MagType_Code = vorlen1.magtype_code ORDER BY rowid LIMIT 1)"
           " LEFT JOIN dealer ON dealer.rowid = (SELECT rowid FROM dealer"
           "  WHERE Publisher_Code = vorlen.publisher_code ORDER BY rowid LIMIT 1)"
           " LEFT JOIN department ON department.rowid = (SELECT rowid FROM department"
           "  WHERE department_code = vorlen.department_code ORDER BY rowid LIMIT 1)"
           " LEFT JOIN tranfile last ON last.rowid = " +
           latest +
           " WHERE trim(vorlen.Receive_Code) = '1'"
           " AND substr(vorlen1.pointer, 1, 1) IN (?1, ?2, ?3, ?4)"
           " AND (?5 = '' OR trim(vorlen.department_code) = ?5)"
           " AND (?6 = '' OR trim(vorlen.publisher_code) = ?6)"
           " AND " +
           begin + " <= ?7 AND " + end + " >= ?7 ORDER BY vorlen.rowid";
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
    static const QByteArray kLive = liveSql();
    std::vector<LateTitle> list;
    for (const data::Row& row :
         db_.query(kLive.constData(),
                   {letters[0], letters[1], letters[2], letters[3], filter.departmentCode.trimmed(),
                    filter.agentCode.trimmed(), today.toString(Qt::ISODate)})) {
        const QString received = row.text(8);
        const QDate from = received.isEmpty()
                               ? QDate::fromString(row.text(9), Qt::ISODate)
                               : QDate::fromString(received.trimmed(), QStringLiteral("d/M/yyyy"));
        const QDate expected = from.addDays(row.value(10).toInt());
        if (today <= expected.addDays(row.value(11).toInt()))
            continue;
        list.push_back({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4),
                        row.text(5), row.text(6), row.text(7), received, expected,
                        int(expected.daysTo(today))});
    }
    std::stable_sort(list.begin(), list.end(), [](const LateTitle& a, const LateTitle& b) {
        return a.daysLate != b.daysLate ? a.daysLate > b.daysLate : a.pointer < b.pointer;
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
