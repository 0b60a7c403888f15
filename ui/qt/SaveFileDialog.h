#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ui::qt {

// Asks where to save a file, in Qt's own dialog with every text in Thai
// (a file that exists is replaced only after a Thai question). Starts in the user's documents
// folder with the proposed name; the suffix is added when the user leaves it off. None when
// cancelled.
std::optional<QString> askSaveFile(QWidget* parent, const QString& caption,
                                   const QString& proposedName, const QString& typeName,
                                   const QString& suffix);

}  // namespace ui::qt
