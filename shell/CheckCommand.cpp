#include "shell/CheckCommand.h"

#include <QFileInfo>
#include <QTextStream>

#include "data/Backup.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/IntegrityCheck.h"

namespace shell {

int checkDatabase(const QString& databasePath, QTextStream& out) {
    if (!QFileInfo::exists(databasePath)) {
        out << QStringLiteral("ไม่พบแฟ้มฐานข้อมูล %1\n").arg(databasePath);
        return 2;
    }
    QStringList problems;
    try {
        const data::Database db(databasePath);
        problems = data::integrityProblems(db, data::Check::Full);
        // A sound file the start-up would refuse is no usable database either.
        if (problems.isEmpty())
            data::checkOwnFile(db);
    } catch (const data::DbError& e) {
        problems << e.thaiMessage();
    }
    if (problems.isEmpty()) {
        out << QStringLiteral("ฐานข้อมูลสมบูรณ์ (integrity_check: ok)\n%1\n").arg(databasePath);
        return 0;
    }
    out << QStringLiteral("ฐานข้อมูลเสียหาย %1\n").arg(databasePath);
    for (const QString& problem : problems)
        out << QStringLiteral("  ") << problem << u'\n';
    const QString good = data::newestGoodBackup(databasePath);
    if (good.isEmpty())
        out << QStringLiteral("ไม่พบสำเนาสำรองที่สมบูรณ์\n");
    else
        out << QStringLiteral(
                   "สำเนาสำรองล่าสุดที่สมบูรณ์: %1\nกู้คืนได้ด้วยคำสั่ง: periodicals --restore \"%1\"\n")
                   .arg(good);
    return 1;
}

}  // namespace shell
