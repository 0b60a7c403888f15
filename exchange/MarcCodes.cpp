#include "exchange/MarcCodes.h"

#include <array>

namespace exchange {

namespace {

struct Language {
    const char* marc;
    const char16_t* thai;
};

constexpr std::array<Language, 8> kLanguages{{
    {"tha", u"ภาษาไทย"},
    {"eng", u"ภาษาอังกฤษ"},
    {"chi", u"ภาษาจีน"},
    {"jpn", u"ภาษาญี่ปุ่น"},
    {"fre", u"ภาษาฝรั่งเศส"},
    {"ger", u"ภาษาเยอรมัน"},
    {"kor", u"ภาษาเกาหลี"},
    {"lao", u"ภาษาลาว"},
}};

struct Frequency {
    char marc;
    const char16_t* thai;
};

constexpr std::array<Frequency, 8> kFrequencies{{
    {'d', u"รายวัน"},
    {'w', u"รายสัปดาห์"},
    {'e', u"รายปักษ์"},
    {'m', u"รายเดือน"},
    {'b', u"รายสองเดือน"},
    {'q', u"รายสามเดือน"},
    {'f', u"รายหกเดือน"},
    {'a', u"รายปี"},
}};

}  // namespace

QString marcLanguage(const QString& deskCode, const QString& thaiName) {
    // "01" is Thai on every desk: the key series rely on it.
    if (deskCode.trimmed() == u"01")
        return QStringLiteral("tha");
    const QString name = thaiName.trimmed();
    for (const Language& l : kLanguages)
        if (name == QStringView(l.thai))
            return QString::fromLatin1(l.marc);
    return QStringLiteral("und");
}

QString thaiLanguageName(const QString& marcCode) {
    for (const Language& l : kLanguages)
        if (marcCode == QLatin1String(l.marc))
            return QString::fromUtf16(l.thai);
    return {};
}

char marcFrequency(const QString& thaiName) {
    const QString name = thaiName.trimmed();
    for (const Frequency& f : kFrequencies)
        if (name == QStringView(f.thai))
            return f.marc;
    return 'u';
}

}  // namespace exchange
