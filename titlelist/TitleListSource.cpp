#include "titlelist/TitleListSource.h"

#include "data/Database.h"
#include "data/Issn.h"
#include "data/SortableDate.h"
#include "data/ThaiSortKey.h"
#include "holdings/HoldingsStatement.h"

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

// ?1 the scope (0 to 3), ?2 and ?3 what it takes. The rows of a title are
// joined by the key trimmed, as the trimmed-key indexes hold it: keys brought
// in from the old program may carry spaces in one table and not the other.
QByteArray fromWhere() {
    return " FROM vorlen1 t JOIN vorlen s ON trim(s.pointer) = trim(t.pointer)"
           " WHERE (?1 = 0"
           " OR (?1 = 1 AND trim(s.department_code) = ?2)"
           " OR (?1 = 2 AND upper(substr(trim(t.pointer), 1, 1)) IN (?2, ?3))"
           " OR (?1 = 3 AND EXISTS (SELECT 1 FROM typeclass c WHERE trim(c.pointer) = "
           "trim(t.pointer)"
           " AND trim(c.type_code) = ?2)))";
}

// The ORDER BY of each column, then of the list's own order (the name): the
// key and the faculty code end each, so that pages never overlap.
QByteArray orderBy(ui::ListOrder order) {
    static const QByteArray name = data::thaiSortKey("t.vorlen_name");
    const QByteArray terms[] = {
        "t.pointer", name, "trim(t.issn)", "4", "5", "7", data::sortableDate("s.begin_period")};
    const QByteArray dir = order.descending ? " DESC" : "";
    const QByteArray first = order.column >= 0 && order.column < col::holdings
                                 ? terms[order.column] + dir + ", "
                                 : QByteArray();
    return " ORDER BY " + first + name + dir + ", t.pointer" + dir + ", s.department_code" + dir;
}

}  // namespace

QVariantList TitleListSource::filterParams() const {
    const QString code = filter_.code.trimmed();
    if (filter_.scope == Scope::Kind)
        return code == QString::fromUtf16(kNewspapers)
                   ? QVariantList{2, QStringLiteral("K"), QStringLiteral("L")}
                   : QVariantList{2, QStringLiteral("J"), QStringLiteral("I")};
    return {int(filter_.scope), code, code};
}

int TitleListSource::count() const {
    static const QByteArray sql = "SELECT count(*)" + fromWhere();
    return db_.first(sql.constData(), filterParams())->value(0).toInt();
}

std::vector<QStringList> TitleListSource::rows(int offset, int limit) const {
    // Code rows are looked up one each: a code stored twice must not list a
    // title twice.
    const QByteArray sql =
        "SELECT t.pointer, t.vorlen_name, t.issn,"
        " (SELECT MagType_Thai_Des FROM magtype WHERE trim(MagType_Code) = trim(t.magtype_code)"
        " LIMIT 1),"
        " (SELECT Publisher_Name FROM dealer WHERE trim(Publisher_Code) = trim(t.publisher_code)"
        " LIMIT 1),"
        " s.department_code,"
        " (SELECT Department_Thai_Des FROM department"
        " WHERE trim(Department_Code) = trim(s.department_code) LIMIT 1),"
        " s.begin_period, s.end_period" +
        fromWhere() + orderBy(order()) + " LIMIT ?4 OFFSET ?5";
    QVariantList params = filterParams();
    params << limit << offset;
    // The page is read whole before its holdings: the server takes one
    // statement at a time.
    const std::vector<data::Row> page = db_.query(sql.constData(), params);
    const holdings::HoldingsStatement statements(db_);
    std::vector<QStringList> out;
    out.reserve(page.size());
    for (const data::Row& r : page) {
        const QString pointer = r.text(0).trimmed();
        const QString facultyCode = r.text(5).trimmed();
        const QString faculty = r.text(6).trimmed().isEmpty() ? facultyCode : r.text(6).trimmed();
        out.push_back({pointer, r.text(1).trimmed(), issnShown(r.text(2)), r.text(3).trimmed(),
                       r.text(4).trimmed(), faculty, period(r.text(7), r.text(8)),
                       statements.of(pointer, facultyCode, today_)});
    }
    return out;
}

}  // namespace titlelist
