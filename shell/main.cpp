#include <QApplication>

#include "data/DatabaseFile.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtMessageBox.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("periodicals"));
    ui::qt::setUpFonts();
    ui::qt::QtMessageBox messages;
    const auto window =
        shell::startProgram(data::defaultDatabasePath(), QDate::currentDate(), messages);
    return app.exec();
}
