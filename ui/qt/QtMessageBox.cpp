#include "ui/qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui::qt {

int QtMessageBox::show(const QString& text, const QString& caption, int style) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    const bool cancelDefault = style & msg::kCancelDefault;
    style &= ~msg::kCancelDefault;
    const bool withCancel = style == msg::kQuestion || style == msg::kConfirm;
    switch (style) {
        case msg::kStop:
            box.setIcon(QMessageBox::Critical);
            break;
        case msg::kQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case msg::kWarning:
            box.setIcon(QMessageBox::Warning);
            break;
        default:
            box.setIcon(QMessageBox::Information);
    }
    QPushButton* ok = box.addButton(QStringLiteral("ตกลง"), QMessageBox::AcceptRole);
    QPushButton* cancel =
        withCancel ? box.addButton(QStringLiteral("ยกเลิก"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(cancel && cancelDefault ? cancel : ok);
    box.exec();
    // Closing an OK-only box by its frame still answers OK.
    if (!withCancel)
        return msg::kOk;
    return box.clickedButton() == ok ? msg::kOk : msg::kCancel;
}

}  // namespace ui::qt
