#include "titlelist/TitleListRecords.h"

#include "data/Database.h"
#include "ui/ThaiOrder.h"

namespace titlelist {

namespace {

std::vector<ui::PickRow> pickRows(const data::Database& db, const char* sql) {
    std::vector<ui::PickRow> rows;
    db.forEach(sql, {}, [&](data::Row&& r) {
        rows.push_back({r.text(0).trimmed(), r.text(1).trimmed()});
    });
    return ui::thaiSorted(std::move(rows));
}

}  // namespace

std::vector<ui::PickRow> TitleListRecords::faculties() const {
    return pickRows(db_, "SELECT Department_Code, Department_Thai_Des FROM department");
}

std::vector<ui::PickRow> TitleListRecords::subjects() const {
    return pickRows(db_, "SELECT Type_Code, Type_Thai_Descrition FROM typemag");
}

QString TitleListRecords::scopeName(const TitleListFilter& filter) const {
    const auto described = [&](const std::vector<ui::PickRow>& rows) {
        for (const ui::PickRow& r : rows)
            if (r.code == filter.code.trimmed())
                return r.description;
        return filter.code;
    };
    switch (filter.scope) {
        case Scope::All:
            return QStringLiteral("วารสารและสิ่งพิมพ์ทั้งหมด");
        case Scope::Faculty:
            return QStringLiteral("คณะ/หน่วยงาน ") + described(faculties());
        case Scope::Kind:
            return filter.code == kNewspapers ? QStringLiteral("หนังสือพิมพ์")
                                              : QStringLiteral("วารสาร");
        case Scope::Subject:
            return QStringLiteral("ประเภท ") + described(subjects());
    }
    return {};
}

}  // namespace titlelist
