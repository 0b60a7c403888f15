#include "exchange/MarcReader.h"

#include <yaz/marcdisp.h>
#include <yaz/wrbuf.h>

#include <QXmlStreamReader>
#include <memory>

#include "exchange/ExchangeError.h"

namespace exchange {

QString MarcField::subfield(QChar code) const {
    for (const auto& [c, text] : subfields)
        if (c == code)
            return text;
    return {};
}

const MarcField* MarcRecord::field(const QString& tag) const {
    for (const MarcField& f : fields)
        if (f.tag == tag)
            return &f;
    return nullptr;
}

std::vector<const MarcField*> MarcRecord::all(const QString& tag) const {
    std::vector<const MarcField*> found;
    for (const MarcField& f : fields)
        if (f.tag == tag)
            found.push_back(&f);
    return found;
}

QString MarcRecord::control(const QString& tag) const {
    const MarcField* f = field(tag);
    return f && !f->subfields.empty() ? f->subfields.front().second : QString();
}

namespace {

ExchangeError unreadable(std::size_t records) {
    return ExchangeError(
        QStringLiteral("อ่านระเบียน MARC ลำดับที่ %1 ไม่ได้ แฟ้มไม่ใช่ MARC หรือไม่ครบ").arg(records + 1));
}

// Appends the records of a MARCXML text (a collection or one record).
void readXml(const QByteArray& xml, std::vector<MarcRecord>& records) {
    QXmlStreamReader in(xml);
    MarcRecord* record = nullptr;
    MarcField* field = nullptr;
    while (!in.atEnd()) {
        if (in.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = in.name();
        const auto attrs = in.attributes();
        if (name == u"record") {
            records.emplace_back();
            record = &records.back();
        } else if (!record) {
            continue;
        } else if (name == u"leader") {
            record->leader = in.readElementText();
        } else if (name == u"controlfield") {
            record->fields.push_back(
                {attrs.value(QLatin1String("tag")).toString(), {}, {{u' ', in.readElementText()}}});
        } else if (name == u"datafield") {
            record->fields.push_back({attrs.value(QLatin1String("tag")).toString(),
                                      attrs.value(QLatin1String("ind1")).toString() +
                                          attrs.value(QLatin1String("ind2")).toString(),
                                      {}});
            field = &record->fields.back();
        } else if (name == u"subfield" && field) {
            const QString code = attrs.value(QLatin1String("code")).toString();
            field->subfields.emplace_back(code.isEmpty() ? u' ' : code[0], in.readElementText());
        }
    }
    if (in.hasError())
        throw unreadable(records.size());
}

}  // namespace

std::vector<MarcRecord> readMarc(const QByteArray& content) {
    std::vector<MarcRecord> records;
    if (content.trimmed().startsWith('<')) {
        readXml(content, records);
        return records;
    }
    std::unique_ptr<yaz_marc_t_, void (*)(yaz_marc_t)> marc(yaz_marc_create(), yaz_marc_destroy);
    std::unique_ptr<wrbuf, void (*)(WRBUF)> xml(wrbuf_alloc(), wrbuf_destroy);
    yaz_marc_xml(marc.get(), YAZ_MARC_MARCXML);
    qsizetype at = 0;
    while (at < content.size()) {
        // Line ends or padding after the last record are no record.
        if (content.mid(at).trimmed().isEmpty())
            break;
        yaz_marc_reset(marc.get());
        const int used = yaz_marc_read_iso2709(marc.get(), content.constData() + at,
                                               static_cast<int>(content.size() - at));
        if (used <= 0 || used > content.size() - at)
            throw unreadable(records.size());
        wrbuf_rewind(xml.get());
        if (yaz_marc_write_marcxml(marc.get(), xml.get()) != 0)
            throw unreadable(records.size());
        readXml(QByteArray(wrbuf_buf(xml.get()), static_cast<qsizetype>(wrbuf_len(xml.get()))),
                records);
        at += used;
    }
    return records;
}

}  // namespace exchange
