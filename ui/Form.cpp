#include "ui/Form.h"

namespace ui {

void Form::setFocus(Control& control) {
    focus_ = &control;
    if (onFocusChange)
        onFocusChange();
}

void Form::unload() {
    if (onUnload)
        onUnload();
}

bool Form::guarded(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const data::DbError& e) {
        messages_.show(e.thaiMessage(), kDatabaseErrorCaption, msg::kStop);
        return false;
    }
}

}  // namespace ui
