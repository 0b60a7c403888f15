#include "ui/qt/OpenFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QStandardPaths>

#include "ui/qt/FileDialogThai.h"

namespace ui::qt {

namespace {

std::optional<QString> ask(QFileDialog& dialog, const QString& accept) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLocale(QLocale(QLocale::Thai, QLocale::Thailand));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("ค้นหาใน:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ชื่อ:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ชนิดไฟล์:"));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("ยกเลิก"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(!documents.isEmpty() && QDir(documents).exists() ? documents
                                                                         : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> askOpenFile(QWidget* parent, const QString& caption, const QString& typeName,
                                   const QString& patterns) {
    // Before the dialog: it takes its texts as it is made.
    const FileDialogThai thai;
    QFileDialog dialog(parent, caption);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("%1 (%2)").arg(typeName, patterns), QStringLiteral("ทุกแฟ้ม (*)")});
    return ask(dialog, QStringLiteral("เปิด"));
}

std::optional<QString> askFolder(QWidget* parent, const QString& caption) {
    const FileDialogThai thai;
    QFileDialog dialog(parent, caption);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return ask(dialog, QStringLiteral("เลือก"));
}

}  // namespace ui::qt
