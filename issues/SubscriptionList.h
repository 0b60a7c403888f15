#pragma once

#include <QString>
#include <vector>

namespace ui {
class Grid;
}

namespace issues {

struct TitleMatch;

// A subscription of the titles list: the title key and the department, and
// the title's name for the messages that speak of it.
struct Subscription {
    QString pointer;
    QString department;
    QString name;
};

// The registration window's list of titles found, one row per subscribing
// faculty, with the key and the faculty code kept in hidden columns.
class SubscriptionList {
  public:
    explicit SubscriptionList(ui::Grid& grid) : grid_(grid) {}

    void setHeadings();
    void show(const std::vector<TitleMatch>& found);
    // Blank rows under the headings.
    void clear();
    // The subscription of a row; blank for a blank row.
    Subscription at(int row) const;

  private:
    ui::Grid& grid_;
};

}  // namespace issues
