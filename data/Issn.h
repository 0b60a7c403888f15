#pragma once

#include <QString>
#include <QVariantList>
#include <optional>

namespace data {

// An ISSN as the eight characters it stands for: typed with or without the
// hyphen, spaces around it ignored, a final x read as X. Nothing when the text
// is not of that shape.
std::optional<QString> issnDigits(const QString& typed);

// The check character of the first seven digits: weights 8 down to 2, modulo
// 11, where 10 is written X.
QChar issnCheckCharacter(const QString& sevenDigits);

// Whether eight ISSN characters end in their right check character.
bool issnCheckRight(const QString& eightCharacters);

// Every ISSN with the first seven digits of this one, whatever its check
// character (0 to 9 and X): a title stored with a wrong check character is
// still found by the barcode on its cover.
QVariantList issnsWithStem(const QString& issn);
// "(?, ?, ...)" for the values of issnsWithStem.
inline constexpr char kIssnStemPlaces[] = "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

}  // namespace data
