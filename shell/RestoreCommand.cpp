#include "shell/RestoreCommand.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/IntegrityCheck.h"
#include "shell/SingleInstance.h"

namespace shell {

namespace {

const QString kSidecars[] = {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")};

QString refuse(const QString& why) {
    return QStringLiteral("ไม่ได้กู้คืนข้อมูล: ") + why + u'\n';
}

// The backup must be whole and a database of this program.
QString problemOf(const QString& backup) {
    const QStringList problems = data::integrityProblems(backup, data::Check::Full);
    if (!problems.isEmpty())
        return QStringLiteral("สำเนาสำรองไม่สมบูรณ์ (%1)").arg(problems.join(QStringLiteral("; ")));
    try {
        const data::Database db(backup, data::Database::Open::Copy);
        data::checkOwnFile(db);
    } catch (const data::DbError& e) {
        return e.thaiMessage();
    }
    return {};
}

}  // namespace

int restoreBackup(const QString& backup, const QString& databasePath, const QDateTime& now,
                  QTextStream& out) {
    SingleInstance guard(databasePath);
    if (!guard.claim()) {
        out << refuse(QStringLiteral("โปรแกรมกำลังทำงานอยู่ กรุณาปิดโปรแกรมก่อน"));
        return 1;
    }
    if (!QFileInfo(backup).isFile()) {
        out << refuse(QStringLiteral("ไม่พบแฟ้มสำเนาสำรอง %1").arg(backup));
        return 1;
    }
    if (const QString problem = problemOf(backup); !problem.isEmpty()) {
        out << refuse(problem);
        return 1;
    }

    // Copied beside the database first, so a failed copy changes nothing.
    const QString incoming = databasePath + QStringLiteral(".restoring");
    QFile::remove(incoming);
    if (!QFile::copy(backup, incoming)) {
        QFile::remove(incoming);
        out << refuse(QStringLiteral("คัดลอกสำเนาสำรองไม่ได้"));
        return 1;
    }

    const QFileInfo info(databasePath);
    const QString aside = info.absolutePath() + u'/' + info.completeBaseName() +
                          QStringLiteral("-replaced-") +
                          now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + QStringLiteral(".db");
    QStringList moved;
    for (const QString& suffix : kSidecars) {
        if (!QFileInfo::exists(databasePath + suffix))
            continue;
        if (!QFile::rename(databasePath + suffix, aside + suffix)) {
            for (const QString& done : moved)
                QFile::rename(aside + done, databasePath + done);
            QFile::remove(incoming);
            out << refuse(QStringLiteral("ย้ายแฟ้ม %1 ไม่ได้").arg(databasePath + suffix));
            return 1;
        }
        moved << suffix;
    }
    if (!QFile::rename(incoming, databasePath)) {
        for (const QString& done : moved)
            QFile::rename(aside + done, databasePath + done);
        QFile::remove(incoming);
        out << refuse(QStringLiteral("วางสำเนาสำรองแทนฐานข้อมูลไม่ได้"));
        return 1;
    }

    out << QStringLiteral("กู้คืนข้อมูลจากสำเนาสำรองแล้ว\n  สำเนาที่ใช้: %1\n  ฐานข้อมูล: %2\n")
               .arg(QFileInfo(backup).absoluteFilePath(), databasePath);
    for (const QString& suffix : moved)
        out << QStringLiteral("  แฟ้มเดิมย้ายไปไว้ที่: %1\n").arg(aside + suffix);
    return 0;
}

}  // namespace shell
