#pragma once

#include <QString>

namespace data {
class Database;
}
namespace ui {
class MessageBox;
}

namespace catalogue {

// The question before a title is deleted: it names the title and says how
// many subscriptions go with it and how many registered issues it has. A
// title with registered issues is asked about twice, since its issues stay in
// the register without a title.
class DeleteQuestion {
  public:
    DeleteQuestion(data::Database& db, ui::MessageBox& messages) : db_(db), messages_(messages) {}

    // True when the clerk said OK to every question asked.
    bool confirmed(const QString& key, const QString& name);

  private:
    data::Database& db_;
    ui::MessageBox& messages_;
};

}  // namespace catalogue
