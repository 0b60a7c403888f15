#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace ui {
class Grid;
}

namespace issues {

struct TitleMatch;
class TitleMatchSource;

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
    // The rows of a search, read a page at a time as the list scrolls; false,
    // and the list as it was, when the first page cannot be read.
    bool show(std::shared_ptr<TitleMatchSource> found);
    // Whether the list holds just one subscription.
    bool single() const;
    // Blank rows under the headings.
    void clear();
    // The subscription of a row; blank for a blank row.
    Subscription at(int row) const;

  private:
    ui::Grid& grid_;
};

}  // namespace issues
