#include "titlelist/TitleListRecords.h"

#include <algorithm>

#include "data/Database.h"
#include "data/Issn.h"
#include "holdings/HoldingsStatement.h"
#include "ui/ThaiOrder.h"

namespace titlelist {

namespace {

QString issnShown(const QString& stored) {
    const auto issn = data::issnDigits(stored);
    return issn ? issn->left(4) + u'-' + issn->mid(4) : stored.trimmed();
}

QString period(const QString& begin, const QString& end) {
    if (begin.trimmed().isEmpty() && end.trimmed().isEmpty())
        return {};
    return begin.trimmed() + QStringLiteral(" - ") + end.trimmed();
}

bool taken(const TitleListFilter& f, const QString& pointer, const QString& faculty,
           const QStringList& subjects) {
    const QChar letter =
        pointer.trimmed().isEmpty() ? QChar() : pointer.trimmed().front().toUpper();
    switch (f.scope) {
        case Scope::All:
            return true;
        case Scope::Faculty:
            return faculty.trimmed() == f.code.trimmed();
        case Scope::Kind:
            return f.code == kNewspapers ? (letter == u'K' || letter == u'L')
                                         : (letter == u'J' || letter == u'I');
        case Scope::Subject:
            return subjects.contains(f.code.trimmed());
    }
    return false;
}

std::vector<ui::PickRow> pickRows(const data::Database& db, const char* sql) {
    std::vector<ui::PickRow> rows;
    db.forEach(sql, {}, [&](data::Row&& r) {
        rows.push_back({r.text(0).trimmed(), r.text(1).trimmed()});
    });
    return ui::thaiSorted(std::move(rows));
}

}  // namespace

std::vector<TitleLine> TitleListRecords::lines(const TitleListFilter& filter, QDate today) const {
    QHash<QString, QStringList> subjects;
    db_.forEach("SELECT trim(pointer), trim(type_code) FROM typeclass", {},
                [&](data::Row&& r) { subjects[r.text(0)] << r.text(1); });
    struct Found {
        TitleLine line;
        QString facultyCode;
    };
    std::vector<Found> found;
    db_.forEach(
        // Code rows are looked up one each: a code stored twice must not
        // list a title twice.
        "SELECT t.pointer, t.vorlen_name, t.issn,"
        " (SELECT MagType_Thai_Des FROM magtype WHERE trim(MagType_Code) = trim(t.magtype_code)"
        " LIMIT 1),"
        " (SELECT Publisher_Name FROM dealer WHERE trim(Publisher_Code) = trim(t.publisher_code)"
        " LIMIT 1),"
        " s.department_code,"
        " (SELECT Department_Thai_Des FROM department"
        " WHERE trim(Department_Code) = trim(s.department_code) LIMIT 1),"
        " s.begin_period, s.end_period"
        " FROM vorlen1 t JOIN vorlen s ON trim(s.pointer) = trim(t.pointer)",
        {}, [&](data::Row&& r) {
            const QString pointer = r.text(0).trimmed();
            if (!taken(filter, pointer, r.text(5), subjects.value(pointer)))
                return;
            const QString faculty =
                r.text(6).trimmed().isEmpty() ? r.text(5).trimmed() : r.text(6).trimmed();
            found.push_back({{pointer,
                              r.text(1).trimmed(),
                              issnShown(r.text(2)),
                              r.text(3).trimmed(),
                              r.text(4).trimmed(),
                              faculty,
                              period(r.text(7), r.text(8)),
                              {}},
                             r.text(5).trimmed()});
        });
    const ui::ThaiOrder thai;
    std::stable_sort(found.begin(), found.end(), [&](const Found& a, const Found& b) {
        if (thai(a.line.name, b.line.name))
            return true;
        if (thai(b.line.name, a.line.name))
            return false;
        return std::pair(a.line.pointer, a.facultyCode) < std::pair(b.line.pointer, b.facultyCode);
    });
    const holdings::HoldingsStatement statements(db_);
    std::vector<TitleLine> out;
    out.reserve(found.size());
    for (Found& f : found) {
        f.line.holdings = statements.of(f.line.pointer, f.facultyCode, today);
        out.push_back(std::move(f.line));
    }
    return out;
}

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
