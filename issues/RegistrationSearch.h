#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "issues/TitleFinder.h"

namespace ui {
class MessageBox;
}

namespace issues {

// What the registration window's search field finds: the titles a part of a
// name names, or the title of a scanned barcode's ISSN with the barcode's
// add-on for the issue number. When nothing is found the clerk is told why.
class RegistrationSearch {
  public:
    RegistrationSearch(data::Database& db, ui::MessageBox& messages)
        : db_(db), messages_(messages) {}

    struct Found {
        // The subscriptions found, a page at a time; none when nothing is.
        std::shared_ptr<TitleMatchSource> titles;
        std::optional<QString> scannedAddOn;
        // Nothing was typed: there is no text to clear for the next try.
        bool nothingTyped = false;
    };
    // Raises a database failure for the window to report.
    Found find(const QString& text) const;

  private:
    data::Database& db_;
    ui::MessageBox& messages_;
};

}  // namespace issues
