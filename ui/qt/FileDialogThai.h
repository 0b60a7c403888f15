#pragma once

#include <QTranslator>

namespace ui::qt {

// Thai for every text Qt's own file dialog shows (tool tips, menus, the
// side panel, column headings, the type of a file, the question before a
// file is replaced), as Qt ships no Thai catalogue of its own. Installed on
// the application while one dialog is open; texts it does not know stay as
// Qt has them.
class FileDialogThai : public QTranslator {
    Q_OBJECT
  public:
    FileDialogThai();
    ~FileDialogThai() override;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace ui::qt
