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

int copyToServer(const QString& sqliteFile, const QString& url, QTextStream& out) {
    if (!data::isPostgresLocation(url)) {
        out << QStringLiteral("ปลายทางต้องเป็นฐานข้อมูลบนเซิร์ฟเวอร์ในรูป postgresql://...\n");
        return 2;
    }
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
        out << QStringLiteral("  %1: %2 แถว\n").arg(table.name).arg(table.rows);
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
        const QString server = db.first("SHOW server_version")->text(0);
        const data::FileVersion version = data::fileVersion(db);
        out << QStringLiteral(
                   "ฐานข้อมูล %1\nPostgreSQL รุ่น %2\nโครงสร้างข้อมูลรุ่น %3 "
                   "(โปรแกรมนี้ใช้รุ่น %4)\n"
                   "การตรวจความเสียหายและการสำรองข้อมูลเป็นหน้าที่ของเซิร์ฟเวอร์\n")
                   .arg(shownLocation(location), server)
                   .arg(version.userVersion)
                   .arg(data::kSchemaVersion);
        return version.userVersion == data::kSchemaVersion ? 0 : 1;
    } catch (const data::DbError& e) {
        out << QStringLiteral("เปิดฐานข้อมูลไม่ได้ %1\n%2\n")
                   .arg(shownLocation(location), e.thaiMessage());
        return 1;
    }
}

}  // namespace shell
