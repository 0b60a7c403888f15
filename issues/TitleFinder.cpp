#include "issues/TitleFinder.h"

#include "data/Database.h"
#include "data/LikePattern.h"

namespace issues {

std::vector<TitleMatch> TitleFinder::find(const QString& text) const {
    std::vector<TitleMatch> found;
    for (const data::Row& r :
         db_.query("SELECT vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
                   " department.department_thai_des"
                   " FROM vorlen1 JOIN vorlen ON vorlen1.pointer = vorlen.pointer"
                   " JOIN department ON vorlen.department_code = department.department_code"
                   " WHERE vorlen1.vorlen_name LIKE ? ESCAPE '\\'"
                   " ORDER BY vorlen1.rowid, vorlen.rowid",
                   {data::containsPattern(text)}))
        found.push_back({r.text(0), r.text(1), r.text(2), r.text(3)});
    return found;
}

}  // namespace issues
