#include "ui/Fakes.h"

namespace ui {

int FakeMessageBox::show(const QString& text, const QString& caption, int style) {
    shown_.push_back({text, caption, style});
    if (onShow)
        onShow(shown_.back());
    if (answers_.empty())
        return msg::kOk;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace ui
