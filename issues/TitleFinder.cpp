#include "issues/TitleFinder.h"

#include "data/Database.h"

namespace issues {

namespace {

QString containsPattern(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'%', QStringLiteral("\\%"));
    text.replace(u'_', QStringLiteral("\\_"));
    return u'%' + text + u'%';
}

}  // namespace

std::vector<TitleMatch> TitleFinder::find(const QString& text) const {
    std::vector<TitleMatch> found;
    for (const data::Row& r :
         db_.query("SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
                   " department.department_thai_des"
                   " FROM vorlen1 JOIN vorlen ON vorlen1.pointer = vorlen.pointer"
                   " JOIN department ON vorlen.department_code = department.department_code"
                   " WHERE vorlen1.vorlen_name LIKE ? ESCAPE '\\'"
                   " ORDER BY vorlen1.rowid, vorlen.rowid",
                   {containsPattern(text)}))
        found.push_back({r.text(0), r.text(1), r.text(2), r.text(3)});
    return found;
}

}  // namespace issues
