#include "articles/Citation.h"

namespace articles {

namespace {

bool hasThai(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x0E00 && c.unicode() <= 0x0E7F)
            return true;
    return false;
}

// The part without the full stop it may already end with, so none doubles.
QString bare(const QString& text) {
    QString t = text.trimmed();
    while (t.endsWith(u'.'))
        t.chop(1);
    return t.trimmed();
}

}  // namespace

QString thaiMonth(int month) {
    static const char* const names[] = {"มกราคม",  "กุมภาพันธ์", "มีนาคม",    "เมษายน",
                                        "พฤษภาคม", "มิถุนายน",  "กรกฎาคม",  "สิงหาคม",
                                        "กันยายน",  "ตุลาคม",   "พฤศจิกายน", "ธันวาคม"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

QString authorLine(const QStringList& given) {
    QStringList names;
    for (const QString& n : given)
        if (!bare(n).isEmpty())
            names << bare(n);
    if (names.isEmpty())
        return {};
    const bool thai = hasThai(names.join(QString()));
    const QString andWord = thai ? QStringLiteral(" และ ") : QStringLiteral(" and ");
    if (names.size() == 1)
        return names.front();
    if (names.size() == 2)
        return names[0] + andWord + names[1];
    if (names.size() == 3)
        return names[0] + QStringLiteral(", ") + names[1] + andWord + names[2];
    return names[0] + (thai ? QStringLiteral(" และคนอื่น ๆ") : QStringLiteral(" et al"));
}

QString citation(const CitationParts& p) {
    QStringList sentences;
    const QString authors = authorLine(p.authors);
    if (!authors.isEmpty())
        sentences << authors;
    if (!bare(p.title).isEmpty())
        sentences << bare(p.title);
    QString source = bare(p.journal);
    auto add = [&source](const QString& piece) {
        if (!piece.isEmpty())
            source += (source.isEmpty() ? QString() : QStringLiteral(" ")) + piece;
    };
    if (!p.volume.trimmed().isEmpty())
        add(QStringLiteral("ปีที่ ") + p.volume.trimmed());
    if (!p.issue.trimmed().isEmpty())
        add(QStringLiteral("ฉบับที่ ") + p.issue.trimmed());
    QString when = thaiMonth(p.month);
    if (p.year > 0)
        when += (when.isEmpty() ? QString() : QStringLiteral(" ")) + QString::number(p.year);
    if (!when.isEmpty())
        add(u'(' + when + u')');
    if (!bare(p.pages).isEmpty())
        source += (source.isEmpty() ? QString() : QStringLiteral(": ")) + bare(p.pages);
    if (!source.isEmpty())
        sentences << source;
    return sentences.isEmpty() ? QString() : sentences.join(QStringLiteral(". ")) + u'.';
}

}  // namespace articles
