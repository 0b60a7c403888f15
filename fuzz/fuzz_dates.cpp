// Date reading and writing: whatever text comes in, nothing crashes, a text
// read as a date writes back to the same date, and rewriting is stable.

#include <QString>
#include <cstdint>
#include <cstdlib>

#include "data/DateText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const auto date = data::readDate(text);
    if (date) {
        const QString written = data::writeDate(*date);
        if (written.size() != 10 || data::readDate(written) != date)
            std::abort();
    }
    const QString once = data::reformatDate(text);
    if (data::reformatDate(once) != once)
        std::abort();
    return 0;
}
