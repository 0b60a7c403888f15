#pragma once

#include <QString>

namespace data {

// What a scanner typed from the cover of an issue: an EAN-13 code for a
// serial (977, the first seven digits of the ISSN, two price or variant
// digits and a check digit), optionally followed by a 2- or 5-digit add-on
// that carries the issue number.
struct Barcode {
    enum class Kind {
        None,      // not a serial's barcode: search the text as typed
        Serial,    // a readable code: `issn` and `addOn` are set
        BadCheck,  // shaped like one, but its check digit is wrong (a misread)
    };
    Kind kind = Kind::None;
    QString issn;   // eight characters, with its own check character
    QString addOn;  // empty when the code has none
};

Barcode readBarcode(const QString& typed);

}  // namespace data
