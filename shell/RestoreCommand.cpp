#include "shell/RestoreCommand.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/IntegrityCheck.h"
#include "data/PrivateFiles.h"
#include "shell/SingleInstance.h"

namespace shell {

namespace {

const QString kSidecars[] = {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")};
// What a backup may have beside it that holds saves its file lacks: a log
// of saves, or the journal of a save cut short.
const QString kLogs[] = {QStringLiteral("-wal"), QStringLiteral("-journal")};

QString refuse(const QString& why) {
    return QStringLiteral("ไม่ได้กู้คืนข้อมูล: ") + why + u'\n';
}

void removeWithLogs(const QString& path) {
    for (const QString& suffix : kSidecars)
        QFile::remove(path + suffix);
    QFile::remove(path + QStringLiteral("-journal"));
}

// The backup and its log copied to `incoming`, the log folded into the file
// there, so the copy alone holds every save. Returns the logs folded in, or
// raises DbError.
QStringList copyWhole(const QString& backup, const QString& incoming) {
    if (!data::copyPrivately(backup, incoming))
        throw data::DbError(0, QStringLiteral("cannot copy %1").arg(backup),
                            QStringLiteral("คัดลอกสำเนาสำรองไม่ได้"));
    QStringList logs;
    for (const QString& suffix : kLogs) {
        if (QFileInfo(backup + suffix).size() == 0)
            continue;
        if (!data::copyPrivately(backup + suffix, incoming + suffix))
            throw data::DbError(0, QStringLiteral("cannot copy %1").arg(backup + suffix),
                                QStringLiteral("คัดลอกแฟ้ม %1 ไม่ได้").arg(backup + suffix));
        logs << backup + suffix;
    }
    if (!logs.isEmpty()) {
        const data::Database db(incoming);
        db.query("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    // Closing the last connection has emptied and removed the log.
    if (QFileInfo(incoming + QStringLiteral("-wal")).size() > 0 ||
        QFileInfo::exists(incoming + QStringLiteral("-journal")))
        throw data::DbError(0, QStringLiteral("the log could not be folded into the copy"),
                            QStringLiteral("รวมบันทึกใน %1 เข้ากับสำเนาไม่ได้").arg(logs.join(u' ')));
    QFile::remove(incoming + QStringLiteral("-shm"));
    return logs;
}

// The copy must be whole and a database of this program.
QString problemOf(const QString& copy) {
    const QStringList problems = data::integrityProblems(copy, data::Check::Full);
    if (!problems.isEmpty())
        return QStringLiteral("สำเนาสำรองไม่สมบูรณ์ (%1)").arg(problems.join(QStringLiteral("; ")));
    try {
        const data::Database db(copy, data::Database::Open::Copy);
        data::checkOwnFile(db);
    } catch (const data::DbError& e) {
        return e.thaiMessage();
    }
    return {};
}

// A name beside the database that neither it nor its -wal and -shm take.
QString asideName(const QString& databasePath, const QDateTime& now) {
    const QFileInfo info(databasePath);
    const QString stem = info.absolutePath() + u'/' + info.completeBaseName() +
                         QStringLiteral("-replaced-") +
                         now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    for (int n = 1;; ++n) {
        QString name =
            stem + (n == 1 ? QString() : u'-' + QString::number(n)) + QStringLiteral(".db");
        if (std::none_of(std::begin(kSidecars), std::end(kSidecars),
                         [&](const QString& s) { return QFileInfo::exists(name + s); }))
            return name;
    }
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

    // Copied beside the database first, so a failed copy changes nothing.
    const QString incoming = databasePath + QStringLiteral(".restoring");
    removeWithLogs(incoming);
    QStringList folded;
    try {
        folded = copyWhole(backup, incoming);
    } catch (const data::DbError& e) {
        removeWithLogs(incoming);
        out << refuse(e.thaiMessage());
        return 1;
    }
    if (const QString problem = problemOf(incoming); !problem.isEmpty()) {
        removeWithLogs(incoming);
        out << refuse(problem);
        return 1;
    }

    const QString aside = asideName(databasePath, now);
    QStringList moved;
    for (const QString& suffix : kSidecars) {
        if (!QFileInfo::exists(databasePath + suffix))
            continue;
        if (!QFile::rename(databasePath + suffix, aside + suffix)) {
            for (const QString& done : moved)
                QFile::rename(aside + done, databasePath + done);
            removeWithLogs(incoming);
            out << refuse(QStringLiteral("ย้ายแฟ้ม %1 ไม่ได้").arg(databasePath + suffix));
            return 1;
        }
        moved << suffix;
    }
    if (!QFile::rename(incoming, databasePath)) {
        for (const QString& done : moved)
            QFile::rename(aside + done, databasePath + done);
        removeWithLogs(incoming);
        out << refuse(QStringLiteral("วางสำเนาสำรองแทนฐานข้อมูลไม่ได้"));
        return 1;
    }

    out << QStringLiteral("กู้คืนข้อมูลจากสำเนาสำรองแล้ว\n  สำเนาที่ใช้: %1\n  ฐานข้อมูล: %2\n")
               .arg(QFileInfo(backup).absoluteFilePath(), databasePath);
    for (const QString& log : folded)
        out << QStringLiteral("  รวมการบันทึกจาก %1 ไว้ด้วยแล้ว\n").arg(log);
    for (const QString& suffix : moved)
        out << QStringLiteral("  แฟ้มเดิมย้ายไปไว้ที่: %1\n").arg(aside + suffix);
    return 0;
}

}  // namespace shell
