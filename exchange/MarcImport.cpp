#include "exchange/MarcImport.h"

#include <QRegularExpression>

#include "data/Database.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/MarcCodes.h"

namespace exchange {

namespace {

// The ISBD mark that closes a MARC subfield (" /", " :", " ;", " =") is no
// part of the name; a full stop may be one (an abbreviation), so it stays.
QString withoutClosingPunctuation(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("\\s+[/:;=]$"));
    return text.trimmed().remove(mark).trimmed();
}

QString alternativeName(const MarcRecord& r, const QString& label) {
    for (const MarcField* f : r.all(QStringLiteral("246")))
        if (f->subfield(u'i').startsWith(label))
            return withoutClosingPunctuation(f->subfield(u'a'));
    return {};
}

QString marcLanguageOf(const MarcRecord& r) {
    const QString fixed = r.control(QStringLiteral("008"));
    if (fixed.size() >= 38 && fixed.mid(35, 3).trimmed().size() == 3)
        return fixed.mid(35, 3);
    const MarcField* f = r.field(QStringLiteral("041"));
    return f ? f->subfield(u'a').left(3) : QString();
}

ImportedTitle titleOf(const MarcRecord& r, const ExchangeRecords& desk) {
    ImportedTitle t;
    catalogue::TitleValues& v = t.values;
    const MarcField* title = r.field(QStringLiteral("245"));
    v.name = title ? withoutClosingPunctuation(title->subfield(u'a')) : QString();
    if (title && !title->subfield(u'b').isEmpty())
        v.name += QStringLiteral(" : ") + withoutClosingPunctuation(title->subfield(u'b'));
    if (const MarcField* issn = r.field(QStringLiteral("022")))
        v.issn = issn->subfield(u'a').trimmed().left(9);
    v.compareName = alternativeName(r, QStringLiteral("ชื่อเทียบเคียง"));
    v.oldName = alternativeName(r, QStringLiteral("ชื่อเดิม"));
    v.shortName = alternativeName(r, QStringLiteral("ชื่อย่อ"));
    const QString language = marcLanguageOf(r);
    if (language == u"tha")
        v.languageCode = QStringLiteral("01");
    else if (const QString name = thaiLanguageName(language); !name.isEmpty())
        v.languageCode = desk.languageCode(name).value_or(QString());
    if (const MarcField* f = r.field(QStringLiteral("310")))
        v.magtypeCode = desk.frequencyCode(f->subfield(u'a').trimmed()).value_or(QString());
    // The title window's defaults for a new title.
    v.copyPerYear = QStringLiteral("1");
    v.numberPerVolume = v.volumePerYear = v.pricePerYear = v.exchangeRate = QStringLiteral("0");
    const QString fixed = r.control(QStringLiteral("008"));
    t.newspaper = fixed.size() > 21 && fixed[21] == u'n';
    return t;
}

bool sameTitle(const catalogue::TitleValues& a, const catalogue::TitleValues& b) {
    return (!a.issn.isEmpty() && a.issn == b.issn) ||
           a.name.compare(b.name, Qt::CaseInsensitive) == 0;
}

}  // namespace

int ImportedTitle::series() const {
    return catalogue::TitleRecords::seriesFor(!newspaper, values.languageCode);
}

ImportPlan planImport(const std::vector<MarcRecord>& records, data::Database& db) {
    const ExchangeRecords desk(db);
    ImportPlan plan;
    for (const MarcRecord& r : records) {
        if (!r.isSerial()) {
            ++plan.otherRecords;
            continue;
        }
        ImportedTitle t = titleOf(r, desk);
        if (t.values.name.isEmpty()) {
            ++plan.otherRecords;
            continue;
        }
        if (const auto key = desk.existingTitle(t.values.issn, t.values.name)) {
            plan.skipped.push_back({t.values.name, t.values.issn, *key});
            continue;
        }
        const bool earlier = std::any_of(
            plan.titles.begin(), plan.titles.end(),
            [&](const ImportedTitle& other) { return sameTitle(other.values, t.values); });
        if (earlier)
            plan.skipped.push_back({t.values.name, t.values.issn, {}});
        else
            plan.titles.push_back(std::move(t));
    }
    return plan;
}

std::vector<QString> applyImport(const ImportPlan& plan, data::Database& db) {
    const ExchangeRecords desk(db);
    catalogue::TitleRecords records(db);
    std::vector<QString> keys;
    data::Transaction tx(db);
    for (const ImportedTitle& t : plan.titles)
        if (!desk.existingTitle(t.values.issn, t.values.name))
            keys.push_back(records.addTitle(tx, t.series(), t.values));
    tx.commit();
    return keys;
}

}  // namespace exchange
