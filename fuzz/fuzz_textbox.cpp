// Random key, click and paste sequences on a text box with a maximum length:
// typing and pasting never make the text longer than the box allows, and the
// caret and selection stay inside the text.

#include <QString>
#include <cstdint>
#include <cstdlib>

#include "ui/TextBox.h"

namespace {

void check(const ui::TextBox& box, int limit) {
    if (box.text().size() > limit || box.selStart() < 0 ||
        box.selStart() + box.selLength() > box.text().size())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 1)
        return 0;
    const int limit = 1 + bytes[0] % 12;
    ui::TextBox box("Mask1");
    box.setMaxLength(limit);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    for (size_t i = 1; i + 1 < size; i += 2) {
        const uint8_t op = bytes[i], arg = bytes[i + 1];
        switch (op % 6) {
            case 0:
                box.typeKey(arg);
                break;
            case 1:
                box.typeKey(0x0E00 + arg % 0x60);  // Thai letters and digits
                break;
            case 2:
                box.paste(QString(arg % 16, QChar(u'0' + arg % 10)) + QStringLiteral("/\n-"));
                break;
            case 3:
                box.setSelStart(arg % 16);
                box.setSelLength(arg / 16);
                break;
            case 4:
                box.deleteForward();
                break;
            default:
                box.click();
        }
        check(box, limit);
    }
    return 0;
}
