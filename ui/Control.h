#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace ui {

// Background colours as the windows store them (0x00BBGGRR).
constexpr int kLockedColor = 12632256;    // light grey, red, green and blue 192
constexpr int kEditableColor = 16777215;  // white

// State shared by every control: its name, enabled and visible. A view watches
// the control and redraws its widget after every change.
class Control {
  public:
    explicit Control(QString name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);

    void watch(std::function<void()> onChange) { watchers_.push_back(std::move(onChange)); }

  protected:
    void notify();

  private:
    QString name_;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<std::function<void()>> watchers_;
};

}  // namespace ui
