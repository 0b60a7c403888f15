#include "data/Issn.h"

namespace data {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

std::optional<QString> issnDigits(const QString& typed) {
    QString text = typed.trimmed().toUpper();
    if (text.size() == 9 && text.at(4) == u'-')
        text.remove(4, 1);
    if (text.size() != 8)
        return std::nullopt;
    for (int i = 0; i < 7; ++i)
        if (!isDigit(text.at(i)))
            return std::nullopt;
    if (!isDigit(text.at(7)) && text.at(7) != u'X')
        return std::nullopt;
    return text;
}

QChar issnCheckCharacter(const QString& sevenDigits) {
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += sevenDigits.at(i).digitValue() * (8 - i);
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? QChar(u'X') : QChar(u'0' + check);
}

bool issnCheckRight(const QString& eightCharacters) {
    return eightCharacters.size() == 8 &&
           issnCheckCharacter(eightCharacters.left(7)) == eightCharacters.at(7);
}

QVariantList issnsWithStem(const QString& issn) {
    QVariantList all;
    for (const QChar check : QStringLiteral("0123456789X"))
        all << issn.left(7) + check;
    return all;
}

}  // namespace data
