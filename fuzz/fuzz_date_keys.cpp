// The date keystroke rule on a ten-character date field, fed random keys,
// clicks, caret moves and pastes: nothing crashes and the field never holds
// more than a date's ten characters.

#include <QString>
#include <cstdint>
#include <cstdlib>

#include "ui/EntryKeys.h"
#include "ui/TextBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    ui::TextBox box("Mask3");
    box.setMaxLength(10);
    box.onKeyPress = [&box](int& keyAscii) { ui::entry::dateKey(box, keyAscii); };
    for (size_t i = 0; i + 1 < size; i += 2) {
        const uint8_t op = bytes[i], arg = bytes[i + 1];
        switch (op % 5) {
            case 0:
            case 1:
                box.typeKey(arg % 2 ? '0' + arg % 10 : arg);
                break;
            case 2:
                box.paste(QString::number(arg * 7919));
                break;
            case 3:
                box.setSelStart(arg % 12);
                box.setSelLength(arg / 32);
                break;
            default:
                box.deleteForward();
        }
        if (box.text().size() > 10 || box.selStart() + box.selLength() > box.text().size())
            std::abort();
    }
    return 0;
}
