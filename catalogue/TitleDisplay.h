#pragma once

#include <QString>

namespace data {
class Row;
}

namespace catalogue {

class NewJournal;

// Fills the title window from a stored title and its subscription. Each pick
// list shows the stored code's own row, so two codes of one description stay
// apart; a code whose row is gone shows as unknown, and the save asks for
// another.
class TitleDisplay {
  public:
    explicit TitleDisplay(NewJournal& w) : w_(w) {}

    // Blanks the fields a load fills, keeping the mode.
    void blank();
    void showTitle(const data::Row& row);
    void showSubscription(const data::Row& row);
    void showKind(const QString& code);

  private:
    NewJournal& w_;
};

}  // namespace catalogue
