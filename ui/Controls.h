#pragma once

// The simple controls: buttons, labels, frames, option buttons, tab pages and
// month calendars.

#include <QDate>
#include <QStringList>
#include <functional>
#include <vector>

#include "ui/Control.h"

namespace ui {

class CommandButton : public Control {
  public:
    CommandButton(QString name, QString caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}
    QString caption() const { return caption_; }
    // A user's click: a disabled or hidden button does nothing.
    void click();
    std::function<void()> onClick;

  private:
    QString caption_;
};

class Label : public Control {
  public:
    Label(QString name, QString caption = {})
        : Control(std::move(name)), caption_(std::move(caption)) {}
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

  private:
    QString caption_;
};

class Frame : public Label {
  public:
    using Label::Label;
};

// Option buttons of one group exclude each other; the group may also have
// none chosen.
class OptionButton : public Control {
  public:
    OptionButton(QString name, QString caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}
    QString caption() const { return caption_; }
    bool value() const { return value_; }
    void setValue(bool on);
    void click();
    std::function<void()> onClick;

    static void group(const std::vector<OptionButton*>& buttons);

  private:
    QString caption_;
    bool value_ = false;
    std::vector<OptionButton*> peers_;
};

class TabControl : public Control {
  public:
    TabControl(QString name, QStringList captions)
        : Control(std::move(name)), captions_(std::move(captions)) {}
    const QStringList& captions() const { return captions_; }
    int tab() const { return tab_; }
    void setTab(int page);
    // The user chose a page; the handler gets the page shown before.
    void click(int page);
    std::function<void(int previousTab)> onClick;

  private:
    QStringList captions_;
    int tab_ = 0;
};

class MonthCalendar : public Control {
  public:
    using Control::Control;
    QDate value() const { return value_; }
    void setValue(const QDate& date);
    void clickDate(const QDate& date);
    std::function<void(const QDate&)> onDateClick;

  private:
    QDate value_;
};

}  // namespace ui
