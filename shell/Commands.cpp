#include <QDateTime>
#include <QTextStream>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "exchange/MarcCommands.h"
#include "shell/CheckCommand.h"
#include "shell/CommandLine.h"
#include "shell/ExportCommand.h"
#include "shell/ImportCommand.h"
#include "shell/ReportCommand.h"
#include "shell/RestoreCommand.h"
#include "shell/ServerCommands.h"

namespace shell {

namespace {

QStringList reportQualifiers() {
    return {QStringLiteral("from"),    QStringLiteral("to"),    QStringLiteral("year"),
            QStringLiteral("faculty"), QStringLiteral("agent"), QStringLiteral("output")};
}

// Runs a command on the store made ready as the windows make it: a new
// desk's file is created, an older one brought up to date (after its copy).
int onReadyStore(const CommandContext& c, const std::function<int(const QString&)>& run) {
    const auto where = c.location();
    if (!where)
        return 2;
    try {
        data::prepareDatabase(*where);
    } catch (const data::DbError& e) {
        c.out() << e.thaiMessage() << u'\n';
        return 1;
    }
    return run(*where);
}

}  // namespace

// A new command is one entry here: its option, the name of its value (if it
// takes one), its line of the usage and its handler.
std::vector<Command> commands() {
    return {
        {QStringLiteral("check"),
         {},
         QStringLiteral("ตรวจฐานข้อมูลว่าเสียหายหรือไม่"),
         [](const CommandContext& c) {
             const auto where = c.location();
             if (!where)
                 return 2;
             return data::isPostgresLocation(*where) ? checkServer(*where, c.out())
                                                     : checkDatabase(*where, c.out());
         }},
        {QStringLiteral("restore"), QStringLiteral("BACKUP"),
         QStringLiteral("นำแฟ้มสำเนาสำรอง BACKUP มาใช้แทนฐานข้อมูล"),
         [](const CommandContext& c) {
             const auto where = c.location();
             if (!where)
                 return 2;
             if (data::isPostgresLocation(*where)) {
                 c.out() << QStringLiteral(
                     "ฐานข้อมูลอยู่บนเซิร์ฟเวอร์ PostgreSQL "
                     "การสำรองและกู้คืนข้อมูลเป็นหน้าที่ของเซิร์ฟเวอร์\n");
                 return 2;
             }
             return restoreBackup(c.value(), *where, QDateTime::currentDateTime(), c.out());
         }},
        {QStringLiteral("init-database"),
         {},
         QStringLiteral("สร้างตารางในฐานข้อมูล PostgreSQL ที่ตั้งค่าไว้"),
         [](const CommandContext& c) {
             const auto where = c.location();
             return where ? initServerDatabase(*where, c.out()) : 2;
         }},
        {QStringLiteral("copy-to"), QStringLiteral("URL"),
         QStringLiteral("คัดลอกแฟ้มฐานข้อมูลของผู้ใช้นี้ไปยังฐานข้อมูล PostgreSQL ที่ว่างอยู่ "
                        "(postgresql://...)"),
         [](const CommandContext& c) {
             return copyToServer(data::defaultDatabasePath(), c.value(), c.out());
         }},
        {QStringLiteral("import-access"), QStringLiteral("FILE"),
         QStringLiteral("นำเข้าข้อมูลจากแฟ้ม Access (Vorlen.mdb) ของโปรแกรมเดิมสู่ฐานข้อมูลใหม่"),
         [](const CommandContext& c) {
             const auto where = c.location();
             return where ? importAccess(*where, c.value(), c.out()) : 2;
         }},
        {QStringLiteral("export-csv"), QStringLiteral("FOLDER"),
         QStringLiteral("เขียนทุกตารางเป็นแฟ้ม CSV ลงในโฟลเดอร์ FOLDER"),
         [](const CommandContext& c) {
             return onReadyStore(
                 c, [&](const QString& where) { return exportCsv(where, c.value(), c.out()); });
         }},
        {QStringLiteral("export-marc"),
         QStringLiteral("FILE"),
         QStringLiteral("บันทึกวารสารทุกรายการเป็นระเบียน MARC 21 ลงแฟ้ม FILE "
                        "(--format iso2709 หรือ marcxml, ค่าเริ่มต้น iso2709; "
                        "--articles รวมบทความที่ทำดัชนีไว้)"),
         [](const CommandContext& c) {
             return onReadyStore(c, [&](const QString& where) {
                 return exchange::exportMarcCommand(
                     where, c.value(), c.qualifier(QStringLiteral("format")),
                     !c.qualifier(QStringLiteral("articles")).isEmpty(), QDate::currentDate(),
                     c.out());
             });
         },
         false,
         {QStringLiteral("format")},
         {QStringLiteral("articles")}},
        {QStringLiteral("import-marc"), QStringLiteral("FILE"),
         QStringLiteral("เพิ่มวารสารจากระเบียน MARC 21 ในแฟ้ม FILE (ข้ามรายการที่มีอยู่แล้วและหนังสือ)"),
         [](const CommandContext& c) {
             return onReadyStore(c, [&](const QString& where) {
                 return exchange::importMarcCommand(where, c.value(), c.out());
             });
         }},
        {QStringLiteral("report"), QStringLiteral("KIND"),
         QStringLiteral("เขียนรายงาน KIND (late, claims, expiry, stats, titles) ลงแฟ้ม --output "
                        "FILE.pdf หรือ FILE.csv [--from วันที่ --to วันที่ --year ปี --faculty รหัส "
                        "--agent รหัส]"),
         [](const CommandContext& c) {
             return onReadyStore(c, [&](const QString& where) {
                 return writeReport(where, c.value(), c.qualifiers(), QDate::currentDate(),
                                    c.out());
             });
         },
         true, reportQualifiers()},
    };
}

}  // namespace shell
