#include "shell/ServerCommands.h"

#include <QFileInfo>
#include <QTextStream>

#include "data/Database.h"
#include "data/DatabaseCopy.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "data/Migrations.h"
#include "shell/DatabaseSetting.h"

namespace shell {

int initServerDatabase(const QString& location, QTextStream& out) {
    if (!data::isPostgresLocation(location)) {
        out << QStringLiteral(
            "ไม่ได้ตั้งค่าเซิร์ฟเวอร์ฐานข้อมูล แฟ้มฐานข้อมูลของเครื่องนี้ "
            "สร้างขึ้นเองเมื่อเปิดโปรแกรมครั้งแรก\n");
        return 2;
    }
    try {
        data::Database db(location);
        data::initPostgres(db);
    } catch (const data::DbError& e) {
        out << QStringLiteral("สร้างฐานข้อมูลไม่สำเร็จ %1\n%2\n")
                   .arg(shownLocation(location), e.thaiMessage());
        return 1;
    }
    out << QStringLiteral("สร้างตารางและข้อมูลเริ่มต้นในฐานข้อมูล %1 เรียบร้อยแล้ว\n")
               .arg(shownLocation(location));
    return 0;
}

int copyToServer(const QString& sqliteFile, const QString& address, QTextStream& out) {
    const DatabaseSetting target =
        serverSetting(address, QStringLiteral("ปลายทางของการคัดลอก (--copy-to)"));
    if (!target.error.isEmpty()) {
        out << target.error << u'\n';
        return 2;
    }
    const QString& url = target.location;
    if (!QFileInfo::exists(sqliteFile)) {
        out << QStringLiteral("ไม่พบแฟ้มฐานข้อมูล %1\n").arg(sqliteFile);
        return 2;
    }
    data::CopyReport copied;
    try {
        // A file of an older version is brought up to date first.
        data::prepareDatabase(sqliteFile);
        const data::Database from(sqliteFile);
        data::Database to(url);
        copied = data::copyIntoServer(from, to);
    } catch (const data::DbError& e) {
        out << QStringLiteral("คัดลอกข้อมูลไม่สำเร็จ ฐานข้อมูลปลายทางไม่มีการเปลี่ยนแปลง\n%1\n")
                   .arg(e.thaiMessage());
        return 1;
    }
    for (const data::CopiedTable& table : copied.tables)
        out << QStringLiteral("  %1: %2 แถว\n").arg(table.name, QString::number(table.rows));
    out << QStringLiteral("คัดลอกข้อมูลจาก %1 ไปยัง %2 ครบทุกตารางแล้ว จำนวนแถวตรงกันทุกตาราง\n")
               .arg(sqliteFile, shownLocation(url));
    // The copy is committed; only the server's tidying after it failed.
    if (!copied.warning.isEmpty())
        out << QStringLiteral(
                   "คำเตือน: ปรับสถิติของฐานข้อมูลปลายทาง (VACUUM ANALYZE) ไม่สำเร็จ "
                   "เซิร์ฟเวอร์จะทำเองภายหลัง\n%1\n")
                   .arg(copied.warning);
    return 0;
}

int checkServer(const QString& location, QTextStream& out) {
    try {
        const data::Database db(location);
        out << QStringLiteral("ฐานข้อมูล %1\nPostgreSQL รุ่น %2\n")
                   .arg(shownLocation(location), db.first("SHOW server_version")->text(0));
        // The checks of the start-up: what it would refuse, this refuses.
        data::checkOwnFile(db);
        const int version = data::fileVersion(db).userVersion;
        out << QStringLiteral("โครงสร้างข้อมูลรุ่น %1 (โปรแกรมนี้ใช้รุ่น %2)\n")
                   .arg(QString::number(version), QString::number(data::kSchemaVersion));
        if (version < data::kSchemaVersion)
            out << QStringLiteral("โปรแกรมจะปรับโครงสร้างเป็นรุ่นปัจจุบันเมื่อเปิดครั้งถัดไป\n");
        out << QStringLiteral("การตรวจความเสียหายและการสำรองข้อมูลเป็นหน้าที่ของเซิร์ฟเวอร์\n");
        return version == data::kSchemaVersion ? 0 : 1;
    } catch (const data::DbError& e) {
        out << QStringLiteral("ใช้ฐานข้อมูล %1 ไม่ได้\n%2\n")
                   .arg(shownLocation(location), e.thaiMessage());
        return 1;
    }
}

}  // namespace shell
