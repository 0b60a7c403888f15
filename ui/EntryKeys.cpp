#include "ui/EntryKeys.h"

#include <algorithm>

#include "data/LeadingNumber.h"
#include "ui/TextBox.h"

namespace ui::entry {

namespace {

constexpr int kLastControlCode = 26;

bool isDigit(int keyAscii) {
    return keyAscii >= '0' && keyAscii <= '9';
}

// Appends the separator at the given trimmed lengths; the key then passes.
void separatedKey(ui::TextBox& box, int& keyAscii, std::initializer_list<int> at,
                  const QString& grown) {
    if (keyAscii <= kLastControlCode)
        return;
    const int length = trimmedLength(box.text());
    for (int n : at)
        if (length == n) {
            box.setText(grown);
            box.setSelStart(trimmedLength(grown));
            return;
        }
    if (!isDigit(keyAscii))
        keyAscii = 0;
}

}  // namespace

int trimmedLength(const QString& text) {
    return int(text.trimmed().size());
}

void dateKey(ui::TextBox& box, int& keyAscii) {
    separatedKey(box, keyAscii, {2, 5}, box.text() + u'/');
}

void issnKey(ui::TextBox& box, int& keyAscii) {
    separatedKey(box, keyAscii, {4}, box.text().trimmed() + u'-');
}

void digitKey(int& keyAscii) {
    if (keyAscii > kLastControlCode && !isDigit(keyAscii))
        keyAscii = 0;
}

void decimalKey(const ui::TextBox& box, int& keyAscii, int decimals) {
    if (keyAscii <= kLastControlCode)
        return;
    if (!isDigit(keyAscii) && keyAscii != '.') {
        keyAscii = 0;
        return;
    }
    QString made = box.text();
    made.replace(box.selStart(), box.selLength(), QChar(keyAscii));
    const qsizetype point = made.indexOf(u'.');
    const bool fits =
        point < 0 || (made.indexOf(u'.', point + 1) < 0 && made.size() - point - 1 <= decimals);
    if (!fits || !std::all_of(made.begin(), made.end(),
                              [](QChar c) { return c == u'.' || isDigit(c.unicode()); }))
        keyAscii = 0;
}

void selectFromStart(ui::TextBox& box, int length) {
    box.setSelStart(0);
    box.setSelLength(length);
}

bool monthAboveTwelve(const QString& dateText) {
    return data::leadingNumber(dateText.mid(3, 2)) > 12;
}

}  // namespace ui::entry
