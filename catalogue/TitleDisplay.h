#pragma once

#include <QString>

#include "catalogue/TitleRecords.h"

namespace data {
class Row;
}

namespace catalogue {

class NewJournal;

// Fills the title window from a stored title and its subscription. Each pick
// list shows the stored code's own row, so two codes of one description stay
// apart; a code whose row is gone shows as unknown, and the save asks for
// another. The fields read back are the values a save stores.
class TitleDisplay {
  public:
    explicit TitleDisplay(NewJournal& w) : w_(w) {}

    // Blanks the fields a load fills, keeping the mode.
    void blank();
    void showTitle(const data::Row& row);
    void showSubscription(const data::Row& row);
    void showKind(const QString& code);
    // The values to save: a new title under the key shown, an edit under
    // the key of the title loaded, whatever the key field holds by then.
    TitleValues entered(const QString& loadedKey) const;

  private:
    NewJournal& w_;
};

}  // namespace catalogue
