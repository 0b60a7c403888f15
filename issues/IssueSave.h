#pragma once

#include "issues/IssueRegister.h"

namespace ui {
class MessageBox;
}

namespace issues {

// Writes the registration window's entry, a new issue or the corrections of
// a listed one, and tells the clerk what became of it. A database failure is
// raised for the window to report.
class IssueSave {
  public:
    IssueSave(data::Database& db, ui::MessageBox& messages) : db_(db), messages_(messages) {}

    enum class Outcome {
        Saved,
        Refused,  // nothing written; the entry stays open
        Changed,  // another desk changed what the save relied on: said, nothing written
    };
    struct Result {
        Outcome outcome;
        // The number the issue is stored under, once saved.
        QString magno;
    };

    // Save's checks before it asks: a number, and for a new issue a title to
    // register it under. False, said, when one is missing.
    static bool complete(ui::MessageBox& messages, const QString& magno, bool adding,
                         const QString& pointer);
    // `titleName` names the title in the messages.
    Result add(const IssueRow& issue, const QString& titleName);
    Result correct(const QString& magno, const IssueChanges& changes, const QString& titleName);

  private:
    Result changed(RegisterChanged::What what, const QString& magno, const QString& titleName);
    Result saved(const QString& magno, const QString& message);

    data::Database& db_;
    ui::MessageBox& messages_;
};

}  // namespace issues
