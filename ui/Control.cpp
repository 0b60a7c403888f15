#include "ui/Control.h"

namespace ui {

void Control::setEnabled(bool on) {
    if (enabled_ == on)
        return;
    enabled_ = on;
    notify();
}

void Control::setVisible(bool on) {
    if (visible_ == on)
        return;
    visible_ = on;
    notify();
}

void Control::notify() {
    // A watcher may add watchers while it runs; index, do not iterate.
    // NOLINTNEXTLINE(modernize-loop-convert)
    for (size_t i = 0; i < watchers_.size(); ++i)
        watchers_[i]();
}

}  // namespace ui
