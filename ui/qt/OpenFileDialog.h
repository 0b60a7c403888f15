#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ui::qt {

// Asks for a file to read, in Qt's own dialog with Thai captions, starting
// in the user's documents folder. None when cancelled.
std::optional<QString> askOpenFile(QWidget* parent, const QString& caption, const QString& typeName,
                                   const QString& patterns);
// Asks for a folder to write into, the same way.
std::optional<QString> askFolder(QWidget* parent, const QString& caption);

}  // namespace ui::qt
