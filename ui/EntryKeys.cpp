#include "ui/EntryKeys.h"

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

void selectFromStart(ui::TextBox& box, int length) {
    box.setSelStart(0);
    box.setSelLength(length);
}

bool monthAboveTwelve(const QString& dateText) {
    return data::leadingNumber(dateText.mid(3, 2)) > 12;
}

}  // namespace ui::entry
