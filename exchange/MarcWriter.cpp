#include "exchange/MarcWriter.h"

#include <yaz/marcdisp.h>
#include <yaz/wrbuf.h>

#include <QFile>
#include <QSaveFile>

#include "articles/Citation.h"
#include "data/DateText.h"
#include "exchange/ExchangeError.h"
#include "exchange/MarcCodes.h"

namespace exchange {

struct MarcWriter::Handle {
    yaz_marc_t marc = yaz_marc_create();
    WRBUF out = wrbuf_alloc();
    MarcFormat format;
    ~Handle() {
        wrbuf_destroy(out);
        yaz_marc_destroy(marc);
    }
};

namespace {

// Leader: new record, language material, serial, Unicode; the lengths are
// filled in when the record is written.
constexpr char kSerialLeader[] = "00000nas a2200000 i 4500";
// An article: a component part of a serial.
constexpr char kArticleLeader[] = "00000nab a2200000 i 4500";

void control(yaz_marc_t m, const char* tag, const QByteArray& value) {
    yaz_marc_add_controlfield(m, tag, value.constData(), std::size_t(value.size()));
}

void field(yaz_marc_t m, const char* tag, const char* indicators,
           std::initializer_list<std::pair<char, QString>> subfields) {
    yaz_marc_add_datafield(m, tag, indicators, 2);
    for (const auto& [code, text] : subfields) {
        if (text.isEmpty())
            continue;
        const QByteArray data = code + text.toUtf8();
        yaz_marc_add_subfield(m, data.constData(), std::size_t(data.size()));
    }
}

void startRecord(yaz_marc_t m, const char* leader) {
    yaz_marc_reset(m);
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    yaz_marc_set_leader(m, leader, &a, &b, &c, &d, &e, &f);
}

// The year a title began, as 008 wants it; desks type Buddhist years too.
QByteArray startYear(const QString& firstPrinted) {
    const QString year = firstPrinted.section(u'/', 2, 2).trimmed();
    bool ok = false;
    int y = year.toInt(&ok);
    if (!ok || year.size() != 4)
        return "uuuu";
    if (y > 2400)
        y -= 543;
    return QByteArray::number(y);
}

QByteArray fixedData(const CatalogueTitle& t, QDate today) {
    QByteArray f(40, ' ');
    f.replace(0, 6, today.toString(QStringLiteral("yyMMdd")).toLatin1());
    f[6] = 'c';  // currently published
    f.replace(7, 4, startYear(t.firstYearPrinted));
    f.replace(11, 4, "9999");
    f.replace(15, 3, "xx ");
    f[18] = marcFrequency(t.frequencyName);
    f[19] = f[18] == 'u' ? 'u' : 'r';
    // Newspaper keys begin with K or L.
    f[21] = t.key.startsWith(u'K') || t.key.startsWith(u'L') ? 'n' : 'p';
    f.replace(35, 3, marcLanguage(t.languageCode, t.languageName).toLatin1());
    f[39] = 'd';
    return f;
}

// 008 of an article: a single date, the year of its issue.
QByteArray articleFixedData(const CatalogueArticle& a, QDate today) {
    QByteArray f(40, ' ');
    f.replace(0, 6, today.toString(QStringLiteral("yyMMdd")).toLatin1());
    f[6] = 's';
    f.replace(7, 4, startYear(a.issueDate));
    f.replace(11, 4, "    ");
    f.replace(15, 3, "xx ");
    f.replace(35, 3, marcLanguage(a.languageCode, {}).toLatin1());
    f[39] = 'd';
    return f;
}

// 773 $g: the issue as the desk's citations name it, then the pages.
QString issuePart(const CatalogueArticle& a) {
    QStringList parts;
    if (!a.volume.isEmpty())
        parts << QStringLiteral("ปีที่ ") + a.volume;
    if (!a.issue.isEmpty())
        parts << QStringLiteral("ฉบับที่ ") + a.issue;
    if (const auto d = data::dateNumbers(a.issueDate))
        parts << QStringLiteral("(%1 %2 %3)")
                     .arg(d->day)
                     .arg(articles::thaiMonth(d->month))
                     .arg(d->year);
    else if (!a.issueDate.isEmpty())
        parts << u'(' + a.issueDate + u')';
    if (!a.pages.trimmed().isEmpty())
        parts << QStringLiteral("หน้า ") + a.pages.trimmed();
    return parts.join(u' ');
}

}  // namespace

MarcWriter::MarcWriter(MarcFormat format, QDate today) : handle_(new Handle), today_(today) {
    handle_->format = format;
    yaz_marc_xml(handle_->marc,
                 format == MarcFormat::MarcXml ? YAZ_MARC_MARCXML : YAZ_MARC_ISO2709);
    if (format == MarcFormat::MarcXml)
        yaz_marc_enable_collection(handle_->marc);
}

MarcWriter::~MarcWriter() {
    delete handle_;
}

void MarcWriter::add(const CatalogueTitle& t) {
    yaz_marc_t m = handle_->marc;
    startRecord(m, kSerialLeader);
    control(m, "001", t.key.toUtf8());
    control(m, "008", fixedData(t, today_));
    if (!t.issn.isEmpty())
        field(m, "022", "  ", {{'a', t.issn}});
    field(m, "041", "0 ", {{'a', marcLanguage(t.languageCode, t.languageName)}});
    field(m, "245", "00", {{'a', t.name}});
    if (!t.compareName.isEmpty())
        field(m, "246", "1 ", {{'i', QStringLiteral("ชื่อเทียบเคียง:")}, {'a', t.compareName}});
    if (!t.oldName.isEmpty())
        field(m, "246", "1 ", {{'i', QStringLiteral("ชื่อเดิม:")}, {'a', t.oldName}});
    if (!t.shortName.isEmpty())
        field(m, "246", "1 ", {{'i', QStringLiteral("ชื่อย่อ:")}, {'a', t.shortName}});
    if (!t.publisherName.isEmpty())
        field(m, "264", " 1", {{'b', t.publisherName}});
    if (!t.frequencyName.isEmpty())
        field(m, "310", "  ", {{'a', t.frequencyName}});
    // Summary holdings (level 3) of the basic unit, one field a subscription;
    // $z names the faculty when there are several.
    for (const CatalogueHoldings& h : t.holdings)
        field(m, "866", "30", {{'a', h.statement}, {'z', h.faculty}});
    yaz_marc_write_mode(m, handle_->out);
}

void MarcWriter::addArticle(const CatalogueArticle& a) {
    yaz_marc_t m = handle_->marc;
    startRecord(m, kArticleLeader);
    control(m, "001", QStringLiteral("ART%1").arg(a.id, 6, 10, QChar(u'0')).toUtf8());
    control(m, "008", articleFixedData(a, today_));
    field(m, "041", "0 ", {{'a', marcLanguage(a.languageCode, {})}});
    for (std::size_t i = 0; i < a.authors.size(); ++i) {
        const auto& [name, corporate] = a.authors[i];
        const bool first = i == 0;
        field(m, corporate ? (first ? "110" : "710") : (first ? "100" : "700"),
              corporate ? "2 " : "0 ", {{'a', name}});
    }
    field(m, "245", a.authors.empty() ? "00" : "10", {{'a', a.title}});
    if (!a.otherTitle.isEmpty())
        field(m, "246", "1 ", {{'a', a.otherTitle}});
    if (!a.abstract.isEmpty())
        field(m, "520", "3 ", {{'a', a.abstract}});
    for (const QString& h : a.headings)
        field(m, "650", " 4", {{'a', h}});
    for (const QString& k : a.keywords)
        field(m, "653", "  ", {{'a', k}});
    field(m, "773", "0 ",
          {{'t', a.hostTitle}, {'g', issuePart(a)}, {'x', a.hostIssn}, {'w', a.hostKey}});
    yaz_marc_write_mode(m, handle_->out);
}

QByteArray MarcWriter::finish() {
    yaz_marc_write_trailer(handle_->marc, handle_->out);
    return QByteArray(wrbuf_buf(handle_->out), static_cast<qsizetype>(wrbuf_len(handle_->out)));
}

int exportMarc(const std::vector<CatalogueTitle>& titles,
               const std::vector<CatalogueArticle>& articles, const QString& file,
               MarcFormat format, QDate today) {
    MarcWriter writer(format, today);
    for (const CatalogueTitle& t : titles)
        writer.add(t);
    for (const CatalogueArticle& a : articles)
        writer.addArticle(a);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(writer.finish()) < 0 || !out.commit())
        throw ExchangeError(QStringLiteral("บันทึกแฟ้ม %1 ไม่ได้: %2").arg(file, out.errorString()));
    return static_cast<int>(titles.size() + articles.size());
}

QString exportSummary(std::size_t titles, std::size_t articles, bool withArticles) {
    QString text = QStringLiteral("บันทึกระเบียน MARC 21 ของวารสาร %1 รายการ").arg(titles);
    if (withArticles)
        text += QStringLiteral(" และบทความ %1 รายการ").arg(articles);
    return text + QStringLiteral("ไว้ที่");
}

}  // namespace exchange
