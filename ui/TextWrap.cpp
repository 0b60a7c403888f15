#include "ui/TextWrap.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

std::vector<qsizetype> breaks(const QString& text, QTextBoundaryFinder::BoundaryType type) {
    std::vector<qsizetype> at;
    QTextBoundaryFinder finder(type, text);
    for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary())
        at.push_back(p);
    return at;
}

}  // namespace

QStringList wrappedLines(PageSurface& surface, const QString& text, double room) {
    QStringList lines;
    QString rest = text.trimmed();
    while (!rest.isEmpty()) {
        if (surface.textWidth(rest) <= room) {
            lines << rest;
            break;
        }
        qsizetype cut = 0;
        for (const auto type : {QTextBoundaryFinder::Line, QTextBoundaryFinder::Grapheme}) {
            for (qsizetype p : breaks(rest, type))
                if (p < rest.size() && surface.textWidth(rest.left(p).trimmed()) <= room)
                    cut = p;
            if (cut > 0)
                break;
        }
        if (cut == 0)
            cut = std::max<qsizetype>(1, breaks(rest, QTextBoundaryFinder::Grapheme).front());
        lines << rest.left(cut).trimmed();
        rest = rest.mid(cut).trimmed();
    }
    return lines;
}

}  // namespace ui
