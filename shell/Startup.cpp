#include "shell/Startup.h"

#include <QTimer>

#include "data/Backup.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"

namespace shell {

std::unique_ptr<MainWindow> startProgram(const QString& path, const QDate& today,
                                         ui::MessageBox& messages) {
    bool ready = true;
    try {
        data::prepareDatabase(path);
    } catch (const data::DbError& e) {
        ready = false;
        // The program still starts; each window reports the problem again
        // when it is opened, so the user can mend the file and retry.
        messages.show(QStringLiteral("เปิดฐานข้อมูลไม่ได้\n%1\n\n%2").arg(path, e.thaiMessage()),
                      QStringLiteral("ข้อผิดพลาดของฐานข้อมูล"), ui::msg::kStop);
    }
    auto window = std::make_unique<MainWindow>(path);
    registerWindows(*window);
    window->show();
    // The daily copy of a large database takes a while: the window comes first.
    if (ready)
        QTimer::singleShot(0, window.get(), [path, today, &messages] {
            try {
                data::backUpDaily(path, today);
            } catch (const data::DbError& e) {
                messages.show(QStringLiteral("สำรองข้อมูลประจำวันไม่สำเร็จ โปรแกรมยังทำงานต่อได้\n\n%1")
                                  .arg(e.thaiMessage()),
                              QStringLiteral("สำรองข้อมูล"), ui::msg::kInformation);
            }
        });
    return window;
}

}  // namespace shell
