#pragma once

#include <QDate>

namespace data {
class Database;
}
namespace ui {
class Grid;
class Label;
}  // namespace ui

namespace issues {

struct Subscription;

// Beside the issues of the subscription listed: the issues still expected of
// it (for a title with a publication pattern) and what the desk holds.
class SubscriptionSummary {
  public:
    SubscriptionSummary(ui::Grid& expected, ui::Label& holdings)
        : expected_(expected), holdings_(holdings) {}

    // Blank first, so a failing read leaves nothing of the title before.
    void show(data::Database& db, const Subscription& subscription, QDate today);
    void clear();

  private:
    ui::Grid& expected_;
    ui::Label& holdings_;
};

}  // namespace issues
