#include "exchange/MarcWriter.h"

#include <yaz/marcdisp.h>
#include <yaz/wrbuf.h>

#include <QFile>
#include <QSaveFile>

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
    yaz_marc_reset(m);
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    yaz_marc_set_leader(m, kSerialLeader, &a, &b, &c, &d, &e, &f);
    const auto control = [m](const char* tag, const QByteArray& value) {
        yaz_marc_add_controlfield(m, tag, value.constData(), value.size());
    };
    const auto field = [m](const char* tag, const char* indicators,
                           std::initializer_list<std::pair<char, QString>> subfields) {
        yaz_marc_add_datafield(m, tag, indicators, 2);
        for (const auto& [code, text] : subfields) {
            const QByteArray data = code + text.toUtf8();
            yaz_marc_add_subfield(m, data.constData(), data.size());
        }
    };
    control("001", t.key.toUtf8());
    control("008", fixedData(t, today_));
    if (!t.issn.isEmpty())
        field("022", "  ", {{'a', t.issn}});
    field("041", "0 ", {{'a', marcLanguage(t.languageCode, t.languageName)}});
    field("245", "00", {{'a', t.name}});
    if (!t.compareName.isEmpty())
        field("246", "1 ", {{'i', QStringLiteral("ชื่อเทียบเคียง:")}, {'a', t.compareName}});
    if (!t.oldName.isEmpty())
        field("246", "1 ", {{'i', QStringLiteral("ชื่อเดิม:")}, {'a', t.oldName}});
    if (!t.shortName.isEmpty())
        field("246", "1 ", {{'i', QStringLiteral("ชื่อย่อ:")}, {'a', t.shortName}});
    if (!t.publisherName.isEmpty())
        field("264", " 1", {{'b', t.publisherName}});
    if (!t.frequencyName.isEmpty())
        field("310", "  ", {{'a', t.frequencyName}});
    if (!t.holdings.isEmpty())
        field("866", " 0", {{'a', t.holdings}});
    yaz_marc_write_mode(m, handle_->out);
}

QByteArray MarcWriter::finish() {
    yaz_marc_write_trailer(handle_->marc, handle_->out);
    return QByteArray(wrbuf_buf(handle_->out), static_cast<qsizetype>(wrbuf_len(handle_->out)));
}

int exportMarc(const std::vector<CatalogueTitle>& titles, const QString& file, MarcFormat format,
               QDate today) {
    MarcWriter writer(format, today);
    for (const CatalogueTitle& t : titles)
        writer.add(t);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(writer.finish()) < 0 || !out.commit())
        throw ExchangeError(QStringLiteral("บันทึกแฟ้ม %1 ไม่ได้: %2").arg(file, out.errorString()));
    return static_cast<int>(titles.size());
}

}  // namespace exchange
