#pragma once

#include <QDate>
#include <QString>
#include <memory>

namespace ui {
class MessageBox;
}

namespace shell {

class MainWindow;

// The program's start: the database is made ready (created on the first run)
// and the main window is built with every working window registered, then
// shown; once the window is up, the database is backed up if today's copy is
// missing. A database that cannot serve is reported and the main window
// still opens. `messages` must outlive the window.
std::unique_ptr<MainWindow> startProgram(const QString& databasePath, const QDate& today,
                                         ui::MessageBox& messages);

}  // namespace shell
