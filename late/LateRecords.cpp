#include "late/LateRecords.h"

#include <QStringList>

#include "data/Database.h"
#include "late/LateList.h"
#include "late/LateStore.h"

namespace late {

namespace {

std::vector<ui::PickRow> pickRows(const data::Database& db, const char* sql) {
    std::vector<ui::PickRow> rows;
    for (const data::Row& row : db.query(sql))
        rows.push_back({row.text(0), row.text(1)});
    return rows;
}

}  // namespace

patterns::ClaimKey LateTitle::claimKey() const {
    return {pointer, departmentCode, volume, number, predicted ? QDate() : expected};
}

LateList LateRecords::list(const LateFilter& filter, QDate today) const {
    LateStore(db_).refresh(today);
    return LateList(db_, today, filter);
}

std::vector<LateTitle> LateRecords::late(const LateFilter& filter, QDate today) const {
    std::vector<LateTitle> titles;
    list(filter, today).forEach([&](const LateTitle& t) { titles.push_back(t); });
    return titles;
}

std::vector<ui::PickRow> LateRecords::departments() const {
    return pickRows(db_,
                    "SELECT Department_Code, Department_Thai_Des FROM department ORDER BY rowid");
}

std::vector<ui::PickRow> LateRecords::agents() const {
    return pickRows(
        db_,
        "SELECT Publisher_Code, Publisher_Name FROM dealer AS d WHERE EXISTS (SELECT 1 FROM vorlen"
        " WHERE trim(vorlen.publisher_code) = trim(d.Publisher_Code)) ORDER BY rowid");
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
