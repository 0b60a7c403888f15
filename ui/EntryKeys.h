#pragma once

#include <QString>

namespace ui {
class TextBox;
}

namespace ui::entry {

// Keystroke rules of the date, ISSN and number fields. Each takes the key
// about to be inserted and sets it to 0 to discard it; control codes (26 and
// below: Backspace, Enter, Ctrl+C/V/X) always pass.

// Dates "dd/mm/yyyy": "/" is appended when the trimmed text is 2 or 5 long,
// and the key then passes whatever it is; otherwise only "0"-"9" pass.
void dateKey(ui::TextBox& box, int& keyAscii);
// ISSN "9999-9999": "-" after four characters, as for dates.
void issnKey(ui::TextBox& box, int& keyAscii);
// Whole numbers: only "0"-"9".
void digitKey(int& keyAscii);

// Amounts: digits with at most one decimal point and `decimals` digits after
// it, judged on the text the key would make at the caret.
void decimalKey(const ui::TextBox& box, int& keyAscii, int decimals);

// Selects `length` characters from the start (clamped to the text).
void selectFromStart(ui::TextBox& box, int length);
int trimmedLength(const QString& text);

// The month of "dd/mm/yyyy" above 12: characters 4 and 5 read as a number
// (leading spaces skipped, leading digits only, none reads as 0).
bool monthAboveTwelve(const QString& dateText);

}  // namespace ui::entry
