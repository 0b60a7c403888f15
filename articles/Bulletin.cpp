#include "articles/Bulletin.h"

#include <QStringList>
#include <set>

#include "articles/CardPrint.h"
#include "articles/ThaiOrder.h"
#include "data/Database.h"
#include "ui/PageSurface.h"

namespace articles {

namespace {

QString csvField(QString text) {
    // A leading sign would make a spreadsheet run the text as a formula.
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(u'\'');
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

}  // namespace

Bulletin::Bulletin(data::Database& db, const QDate& from, const QDate& to) : from_(from), to_(to) {
    ArticleRecords records(db);
    for (const data::Row& r :
         db.query("SELECT article_id FROM article WHERE indexed_on >= ? AND indexed_on <= ?",
                  {from.toString(Qt::ISODate), to.toString(Qt::ISODate)})) {
        const auto a = records.load(r.value(0).toLongLong());
        if (!a)
            continue;
        BulletinEntry entry{*a, records.citationParts(*a), {}};
        entry.citation = citation(entry.parts);
        for (const QString& h : a->headings) {
            auto g = std::find_if(groups_.begin(), groups_.end(),
                                  [&](const BulletinGroup& x) { return x.heading == h; });
            if (g == groups_.end())
                g = groups_.insert(groups_.end(), BulletinGroup{h, {}});
            g->entries.push_back(entry);
        }
    }
    sortThai<BulletinGroup>(groups_, [](const BulletinGroup& g) { return g.heading; });
    for (BulletinGroup& g : groups_)
        sortThai<BulletinEntry>(g.entries, [](const BulletinEntry& e) { return e.citation; });
}

std::vector<const BulletinEntry*> Bulletin::eachArticleOnce() const {
    std::vector<const BulletinEntry*> once;
    std::set<qint64> seen;
    for (const BulletinGroup& g : groups_)
        for (const BulletinEntry& e : g.entries)
            if (seen.insert(e.article.id).second)
                once.push_back(&e);
    return once;
}

void Bulletin::print(ui::PageSurface& page, bool withAbstracts) const {
    CardPrint wrap(page);
    const double room = page.printableWidth() - 720;
    auto line = [&](const QString& text, double indent) {
        for (const QString& l : wrap.wrapped(text, room - indent)) {
            if (page.currentY + page.textHeight(l) > page.printableHeight()) {
                page.newPage();
                page.currentY = 0;
            }
            page.currentX = indent;
            page.print(l);
        }
    };
    page.fontName = QStringLiteral("MS Sans Serif");
    page.fontSize = 14;
    page.fontBold = true;
    page.currentY = 0;
    line(QStringLiteral("วารสารดรรชนี บทความที่ทำดัชนีระหว่างวันที่ %1 ถึง %2")
             .arg(from_.toString(QStringLiteral("dd/MM/yyyy")),
                  to_.toString(QStringLiteral("dd/MM/yyyy"))),
         0);
    for (const BulletinGroup& g : groups_) {
        page.fontSize = 12;
        page.fontBold = true;
        page.currentY += 120;
        line(g.heading, 0);
        page.fontBold = false;
        page.fontSize = 11;
        for (const BulletinEntry& e : g.entries) {
            line(e.citation, 360);
            if (withAbstracts && !e.article.abstract.isEmpty()) {
                page.fontSize = 10;
                line(e.article.abstract, 720);
                page.fontSize = 11;
            }
        }
    }
    page.endDoc();
}

QString Bulletin::ris() const {
    QString text;
    auto tag = [&text](const char* name, const QString& value) {
        if (!value.trimmed().isEmpty())
            text += QLatin1String(name) + QStringLiteral("  - ") + value.simplified() + u'\n';
    };
    for (const BulletinEntry* e : eachArticleOnce()) {
        tag("TY", QStringLiteral("JOUR"));
        for (const QString& a : e->parts.authors)
            tag("AU", a);
        tag("TI", e->article.title);
        tag("T2", e->article.otherTitle);
        tag("JO", e->parts.journal);
        tag("VL", e->parts.volume);
        tag("IS", e->parts.issue);
        if (e->parts.year > 0)
            tag("PY", QString::number(e->parts.year));
        const QStringList pages = e->article.pages.split(u'-');
        tag("SP", pages.value(0));
        tag("EP", pages.value(1));
        for (const QString& h : e->article.headings)
            tag("KW", h);
        tag("AB", e->article.abstract);
        tag("LA", e->article.language);
        text += QStringLiteral("ER  - \n");
    }
    return text;
}

QByteArray Bulletin::csv() const {
    QStringList lines{
        QStringLiteral("หัวเรื่อง,บรรณานุกรม,ผู้แต่ง,ชื่อบทความ,ชื่อวารสาร,ปีที่,ฉบับที่,ปี,หน้า,บทคัดย่อ")};
    for (const BulletinGroup& g : groups_)
        for (const BulletinEntry& e : g.entries)
            lines << QStringList{csvField(g.heading),
                                 csvField(e.citation),
                                 csvField(e.parts.authors.join(QStringLiteral("; "))),
                                 csvField(e.article.title),
                                 csvField(e.parts.journal),
                                 csvField(e.parts.volume),
                                 csvField(e.parts.issue),
                                 csvField(e.parts.year > 0 ? QString::number(e.parts.year)
                                                           : QString()),
                                 csvField(e.article.pages),
                                 csvField(e.article.abstract)}
                         .join(u',');
    return "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

}  // namespace articles
