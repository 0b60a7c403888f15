#pragma once

#include <QDate>
#include <QString>
#include <memory>

namespace ui {
class MessageBox;
}

namespace shell {

class MainWindow;

// The program's start: the database is made ready (created on the first run,
// backed up once a day) and the main window is built with every working
// window registered, then shown. A database that cannot serve is reported and
// the main window still opens.
std::unique_ptr<MainWindow> startProgram(const QString& databasePath, const QDate& today,
                                         ui::MessageBox& messages);

}  // namespace shell
