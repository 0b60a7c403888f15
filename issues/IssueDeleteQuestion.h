#pragma once

namespace ui {
class MessageBox;
}

namespace issues {

// Before an issue is deleted: its indexed articles go with it, so a clerk
// deleting an issue that has some is told how many first; then the delete
// itself is confirmed.
class IssueDeleteQuestion {
  public:
    explicit IssueDeleteQuestion(ui::MessageBox& messages) : messages_(messages) {}

    bool confirmed(int articles) const;

  private:
    ui::MessageBox& messages_;
};

}  // namespace issues
