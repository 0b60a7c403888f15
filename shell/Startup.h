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
// brought up to date when older) and the main window is built with every
// working window registered, then shown; meanwhile the database is checked
// and backed up on a thread of its own if today's copy is missing. A database
// that cannot serve is reported, the main window still opens and every menu
// command repeats the report; a read-only one opens for reading and is not
// backed up. `messages` must outlive the window.
std::unique_ptr<MainWindow> startProgram(const QString& databasePath, const QDate& today,
                                         ui::MessageBox& messages);

}  // namespace shell
