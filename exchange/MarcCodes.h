#pragma once

#include <QString>

namespace exchange {

// The MARC language code (three letters) of a desk language, from its code or
// Thai description; "und" when neither is known.
QString marcLanguage(const QString& deskCode, const QString& thaiName);
// The Thai description of a MARC language code, empty when unknown; the desk
// finds its own code by this description.
QString thaiLanguageName(const QString& marcCode);
// The 008 frequency letter of a frequency's Thai description; "u" unknown.
char marcFrequency(const QString& thaiName);

}  // namespace exchange
