#include "catalogue/EntryFields.h"

#include "catalogue/NewJournal.h"
#include "ui/EntryKeys.h"

namespace catalogue {

namespace {

enum class Rule { Date, Issn, Digits, Fee, Rate };

struct EntryField {
    ui::TextBox NewJournal::*field;
    Rule rule;
    int clickSelects;                       // characters a click selects; 0: the trimmed text
    ui::TextBox NewJournal::*enterMovesTo;  // null: Enter means nothing here
};

const EntryField kFields[] = {
    {&NewJournal::Mask1, Rule::Date, 10, nullptr},
    {&NewJournal::Mask2, Rule::Issn, 0, nullptr},
    {&NewJournal::Mask3, Rule::Date, 0, nullptr},
    {&NewJournal::Mask4, Rule::Date, 0, nullptr},
    {&NewJournal::Mask5, Rule::Date, 0, nullptr},
    {&NewJournal::Text7, Rule::Digits, 0, &NewJournal::Text11},
    {&NewJournal::Text8, Rule::Digits, 0, nullptr},
    {&NewJournal::Text9, Rule::Digits, 0, nullptr},
    {&NewJournal::Text11, Rule::Fee, 0, nullptr},
    {&NewJournal::Text12, Rule::Rate, 0, nullptr},
};

// Decimal places of the fee and of the exchange rate (a yen rate is 0.2345).
constexpr int kFeeDecimals = 2, kRateDecimals = 4;

void applyRule(Rule rule, ui::TextBox& box, int& keyAscii) {
    switch (rule) {
        case Rule::Date:
            ui::entry::dateKey(box, keyAscii);
            break;
        case Rule::Issn:
            ui::entry::issnKey(box, keyAscii);
            break;
        case Rule::Digits:
            ui::entry::digitKey(keyAscii);
            break;
        case Rule::Fee:
            ui::entry::decimalKey(box, keyAscii, kFeeDecimals);
            break;
        case Rule::Rate:
            ui::entry::decimalKey(box, keyAscii, kRateDecimals);
            break;
    }
}

}  // namespace

void wireEntryFields(NewJournal& w) {
    for (const EntryField& f : kFields) {
        ui::TextBox& box = w.*f.field;
        box.onKeyPress = [&w, &box, f](int& keyAscii) {
            const int typed = keyAscii;
            applyRule(f.rule, box, keyAscii);
            // An amount must not lose a key silently: the clerk hears it.
            if (keyAscii == 0 && typed != 0 && (f.rule == Rule::Fee || f.rule == Rule::Rate))
                w.beep();
            if (keyAscii == ui::key::kEnter && f.enterMovesTo) {
                keyAscii = 0;
                w.focusSelected(w.*f.enterMovesTo);
            }
        };
        // A pasted amount must keep to the rule as a typed one does.
        box.setPasteAsTyping(f.rule == Rule::Fee || f.rule == Rule::Rate);
        box.onClick = [&box, selects = f.clickSelects] {
            ui::entry::selectFromStart(
                box, selects > 0 ? selects : ui::entry::trimmedLength(box.text()));
        };
        if (f.rule == Rule::Date)
            box.onChange = [&w, &box] { w.monthCheck(box); };
    }
}

}  // namespace catalogue
