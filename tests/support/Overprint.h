#pragma once

#include <gtest/gtest.h>

#include "ui/PageSurface.h"

namespace testing_support {

// Every printed text stays inside the printable area, and no two texts on
// one page cover each other, as the recording surface measures them.
inline void expectNothingOverprints(const ui::RecordingSurface& s) {
    struct Box {
        double left, top, right, bottom;
    };
    auto boxOf = [](const ui::RecordingSurface::Printed& p) {
        ui::RecordingSurface measure;
        measure.fontSize = p.fontSize;
        return Box{p.x, p.y, p.x + measure.textWidth(p.text), p.y + measure.textHeight(p.text)};
    };
    for (size_t i = 0; i < s.printed.size(); ++i) {
        const auto& a = s.printed[i];
        const Box box = boxOf(a);
        EXPECT_GE(box.left, 0) << a.text.toStdString();
        EXPECT_LE(box.right, s.width) << a.text.toStdString();
        EXPECT_LE(box.bottom, s.height) << a.text.toStdString();
        for (size_t j = i + 1; j < s.printed.size(); ++j) {
            const auto& b = s.printed[j];
            const Box other = boxOf(b);
            const bool overlap = a.page == b.page && box.left < other.right &&
                                 other.left < box.right && box.top < other.bottom &&
                                 other.top < box.bottom;
            EXPECT_FALSE(overlap) << a.text.toStdString() << " | " << b.text.toStdString();
        }
    }
}

}  // namespace testing_support
