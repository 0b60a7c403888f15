#include "ui/qt/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QStandardPaths>

#include "ui/qt/FileDialogThai.h"

namespace ui::qt {

std::optional<QString> askSaveFile(QWidget* parent, const QString& caption,
                                   const QString& proposedName, const QString& typeName,
                                   const QString& suffix) {
    const FileDialogThai thai;
    QFileDialog dialog(parent, caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLocale(QLocale(QLocale::Thai, QLocale::Thailand));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("บันทึกใน:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ชื่อไฟล์:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ชนิดไฟล์:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("บันทึก"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("ยกเลิก"));
    dialog.setNameFilter(QStringLiteral("%1 (*.%2)").arg(typeName, suffix));
    dialog.setDefaultSuffix(suffix);
    // Never the folder the program happened to start from.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(!documents.isEmpty() && QDir(documents).exists() ? documents
                                                                         : QDir::homePath());
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString path = dialog.selectedFiles().constFirst();
    if (!path.endsWith(u'.' + suffix, Qt::CaseInsensitive))
        path += u'.' + suffix;
    return path;
}

}  // namespace ui::qt
