#include "ui/qt/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui::qt {

int twips(int t) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return int(std::lround(t * dpi / 1440.0));
}

QSize twipsSize(int width, int height) {
    return {twips(width), twips(height)};
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace ui::qt
