#pragma once

// Stand-ins for the services, for tests and tools that run windows without a
// person at the screen.

#include <deque>
#include <functional>
#include <vector>

#include "ui/Services.h"

namespace ui {

class FakeMessageBox : public MessageBox {
  public:
    struct Shown {
        QString text;
        QString caption;
        int style;
    };

    // Answers given in order; when none is queued the answer is OK.
    void queue(int answer) { answers_.push_back(answer); }
    int show(const QString& text, const QString& caption, int style) override;

    const std::vector<Shown>& shown() const { return shown_; }
    const Shown& last() const { return shown_.back(); }
    void clear() { shown_.clear(); }
    // Runs while a message is up, as another desk might work meanwhile.
    std::function<void(const Shown&)> onShow;

  private:
    std::deque<int> answers_;
    std::vector<Shown> shown_;
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(QDate day) : day_(day) {}
    QDate today() const override { return day_; }
    void set(QDate day) { day_ = day; }

  private:
    QDate day_;
};

class RecordingOpener : public WindowOpener {
  public:
    void open(const QString& window) override { opened.push_back(window); }
    void openTitle(const QString& window, const QString& pointer) override {
        opened.push_back(window);
        titles.push_back(pointer);
    }
    void quit() override { quitRequested = true; }
    std::vector<QString> opened;
    std::vector<QString> titles;  // the keys handed with openTitle
    bool quitRequested = false;
};

}  // namespace ui
