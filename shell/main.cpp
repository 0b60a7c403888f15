#include <QApplication>

#include "data/Backup.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "shell/MainWindow.h"
#include "shell/WindowList.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtMessageBox.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("periodicals"));
    ui::qt::setUpFonts();

    const QString path = data::defaultDatabasePath();
    try {
        data::prepareDatabase(path);
        try {
            data::backUpDaily(path, QDate::currentDate());
        } catch (const data::DbError& e) {
            ui::qt::QtMessageBox().show(
                QStringLiteral("สำรองข้อมูลประจำวันไม่สำเร็จ โปรแกรมยังทำงานต่อได้\n\n%1")
                    .arg(e.thaiMessage()),
                QStringLiteral("สำรองข้อมูล"), ui::msg::kInformation);
        }
    } catch (const data::DbError& e) {
        // The program still starts; each window reports the problem again
        // when it is opened, so the user can fix the file and retry.
        ui::qt::QtMessageBox().show(
            QStringLiteral("เปิดฐานข้อมูลไม่ได้\n%1\n\n%2").arg(path, e.thaiMessage()),
            QStringLiteral("ข้อผิดพลาดของฐานข้อมูล"), ui::msg::kStop);
    }

    shell::MainWindow window(path);
    shell::registerWindows(window);
    window.show();
    return app.exec();
}
