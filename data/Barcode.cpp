#include "data/Barcode.h"

#include <algorithm>

#include "data/Issn.h"

namespace data {

namespace {

// Weights 1 and 3 from the left; the total with the check digit ends in 0.
bool eanCheckRight(const QString& code) {
    int sum = 0;
    for (int i = 0; i < 13; ++i)
        sum += code.at(i).digitValue() * (i % 2 == 0 ? 1 : 3);
    return sum % 10 == 0;
}

}  // namespace

Barcode readBarcode(const QString& typed) {
    const QString code = typed.trimmed();
    const bool digits =
        std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || !code.startsWith(QStringLiteral("977")) ||
        (code.size() != 13 && code.size() != 15 && code.size() != 18))
        return {};
    if (!eanCheckRight(code))
        return {Barcode::Kind::BadCheck, {}, {}};
    const QString seven = code.mid(3, 7);
    return {Barcode::Kind::Serial, seven + issnCheckCharacter(seven), code.mid(13)};
}

}  // namespace data
