#include "ui/qt/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace ui::qt {

void setUpFonts() {
    static const QStringList thaiFamilies = {QStringLiteral("Loma"), QStringLiteral("Garuda"),
                                             QStringLiteral("Tlwg Typo"), QStringLiteral("Norasi")};
    const QStringList installed = QFontDatabase::families(QFontDatabase::Thai);
    QStringList substitutes;
    for (const QString& family : thaiFamilies)
        if (installed.contains(family))
            substitutes << family;
    if (substitutes.isEmpty())
        substitutes = installed;
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), substitutes);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9);
    QApplication::setFont(font);
}

}  // namespace ui::qt
