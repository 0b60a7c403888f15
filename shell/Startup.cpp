#include "shell/Startup.h"

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "shell/DailyBackup.h"
#include "shell/DatabaseSetting.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"

namespace shell {

namespace {

const QString kBackupCaption = QStringLiteral("สำรองข้อมูล");

void report(const data::BackupResult& result, const QString& error, ui::MessageBox& messages) {
    if (!error.isEmpty()) {
        messages.show(QStringLiteral("สำรองข้อมูลประจำวันไม่สำเร็จ โปรแกรมยังทำงานต่อได้\n\n%1").arg(error),
                      kBackupCaption, ui::msg::kInformation);
        return;
    }
    if (result.outcome != data::BackupResult::Outcome::Damaged)
        return;
    const QString where = result.newestGood.isEmpty()
                              ? QStringLiteral("ไม่พบสำเนาสำรองที่สมบูรณ์")
                              : QStringLiteral(
                                    "สำเนาสำรองล่าสุดที่สมบูรณ์: %1\n\nวิธีกู้คืน: ปิดโปรแกรม แล้วสั่ง\n"
                                    "periodicals --restore \"%1\"")
                                    .arg(result.newestGood);
    messages.show(QStringLiteral("แฟ้มฐานข้อมูลเสียหาย จึงไม่ได้สำรองข้อมูลวันนี้ "
                                 "และไม่ได้ลบสำเนาเก่า\n(%1)\n\n%2")
                      .arg(result.problems.join(QStringLiteral("; ")), where),
                  kBackupCaption, ui::msg::kStop);
}

}  // namespace

std::unique_ptr<MainWindow> startProgram(const QString& path, const QDate& today,
                                         ui::MessageBox& messages) {
    QString refusal;
    bool writable = false;
    try {
        writable = data::prepareDatabase(path);
    } catch (const data::DbError& e) {
        refusal =
            QStringLiteral("เปิดฐานข้อมูลไม่ได้\n%1\n\n%2").arg(shownLocation(path), e.thaiMessage());
    }
    const QString caption = QStringLiteral("ข้อผิดพลาดของฐานข้อมูล");
    if (!refusal.isEmpty())
        messages.show(refusal, caption, ui::msg::kStop);
    else if (!writable)
        messages.show(QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว ดูข้อมูลได้ แต่บันทึกข้อมูลไม่ได้\n%1")
                          .arg(shownLocation(path)),
                      caption, ui::msg::kInformation);

    auto window = std::make_unique<MainWindow>(path);
    registerWindows(*window);
    // The program still starts on a bad file, so the user can read why, but
    // no window writes into it; the user mends the file and starts again.
    if (!refusal.isEmpty())
        window->refuseWindows(refusal, caption);
    window->show();
    // A server keeps its own backups.
    if (writable && !data::isPostgresLocation(path)) {
        auto* backup = new DailyBackup(path, today, window.get());
        QObject::connect(backup, &DailyBackup::finished, backup,
                         [&messages](const data::BackupResult& result, const QString& error) {
                             report(result, error, messages);
                         });
        backup->start();
    }
    return window;
}

}  // namespace shell
