#include "articles/CardPrint.h"

#include <QTextBoundaryFinder>

#include "ui/PageSurface.h"

namespace articles {

namespace {

constexpr double kMargin = 360;   // twips inside the card's edge
constexpr double kIndent = 720;   // the body starts under the top line's third letter
constexpr double kFontSize = 11;  // a Thai font of this size reads on a card

// The places a line may end: after each word or Thai syllable the line
// breaker finds, and where it finds none, between character clusters.
std::vector<qsizetype> breaks(const QString& text) {
    std::vector<qsizetype> at;
    QTextBoundaryFinder line(QTextBoundaryFinder::Line, text);
    for (qsizetype p = line.toNextBoundary(); p > 0; p = line.toNextBoundary())
        at.push_back(p);
    return at;
}

}  // namespace

double CardPrint::lineHeight() {
    return page_.textHeight(QStringLiteral("ทดสอบ"));
}

QStringList CardPrint::wrapped(const QString& text, double room) {
    QStringList lines;
    QString rest = text.trimmed();
    while (!rest.isEmpty()) {
        if (page_.textWidth(rest) <= room) {
            lines << rest;
            break;
        }
        qsizetype cut = 0;
        for (qsizetype p : breaks(rest)) {
            if (page_.textWidth(rest.left(p).trimmed()) > room)
                break;
            cut = p;
        }
        if (cut == 0) {  // one word wider than the card: cut between clusters
            QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, rest);
            for (qsizetype p = clusters.toNextBoundary(); p > 0; p = clusters.toNextBoundary()) {
                if (cut > 0 && page_.textWidth(rest.left(p)) > room)
                    break;
                cut = p;
            }
        }
        lines << rest.left(cut).trimmed();
        rest = rest.mid(cut).trimmed();
    }
    return lines;
}

void CardPrint::cutMarks(double left, double top) {
    const double half = page_.textWidth(QStringLiteral("+")) / 2;
    const double up = lineHeight() / 2;
    for (double x : {left, left + kCardWidth})
        for (double y : {top, top + kCardHeight}) {
            page_.currentX = x - half;
            page_.currentY = y - up;
            page_.print(QStringLiteral("+"));
        }
}

int CardPrint::print(const std::vector<IndexCard>& cards, Sheet sheet) {
    page_.fontName = QStringLiteral("MS Sans Serif");
    page_.fontSize = kFontSize;
    const double left = sheet == Sheet::A4 ? (page_.printableWidth() - kCardWidth) / 2 : 0;
    const int perSheet = sheet == Sheet::A4 ? 3 : 1;
    const double gap = sheet == Sheet::A4 ? 360 : 0;
    const double line = lineHeight();
    const double lastLine = kCardHeight - kMargin - line;
    int used = 0;
    auto startCard = [&](double& top) {
        if (used > 0 && used % perSheet == 0)
            page_.newPage();
        top = (sheet == Sheet::A4 ? 360 : 0) + (used % perSheet) * (kCardHeight + gap);
        if (sheet == Sheet::A4)
            cutMarks(left, top);
        ++used;
    };
    for (const IndexCard& card : cards) {
        const double bodyRoom = kCardWidth - 2 * kMargin - kIndent;
        page_.fontBold = true;
        const QStringList head = wrapped(card.topLine, kCardWidth - 2 * kMargin);
        page_.fontBold = false;
        QStringList body = wrapped(card.body, bodyRoom);
        if (!card.tracing.isEmpty())
            body << QString() << wrapped(card.tracing, bodyRoom);
        double top = 0;
        startCard(top);
        double y = top + kMargin;
        auto printHead = [&](bool continued) {
            page_.fontBold = true;
            for (int i = 0; i < head.size(); ++i) {
                page_.currentX = left + kMargin;
                page_.currentY = y;
                page_.print(head[i] + (continued && i + 1 == head.size() ? QStringLiteral(" (ต่อ)")
                                                                         : QString()));
                y += line;
            }
            page_.fontBold = false;
        };
        printHead(false);
        for (const QString& text : body) {
            if (y - top > lastLine) {  // the card is full: a second card goes on
                startCard(top);
                y = top + kMargin;
                printHead(true);
            }
            page_.currentX = left + kMargin + kIndent;
            page_.currentY = y;
            page_.print(text);
            y += line;
        }
    }
    page_.endDoc();
    return used;
}

}  // namespace articles
