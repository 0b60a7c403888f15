#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace data {
class Database;
}

namespace articles {

struct Author {
    qint64 id = 0;
    QString name;
    bool corporate = false;
    int articles = 0;  // how many articles name this author
};

// The author table: one row per person or body. A Thai name is entered as
// it is said, first name first, and sorts by it; a foreign person's as
// "Surname, Forename"; a body (corporate author) as its name.
class AuthorRecords {
  public:
    explicit AuthorRecords(data::Database& db) : db_(db) {}

    // The name as it is kept: trimmed, single spaces, one space after a comma.
    static QString tidy(const QString& name);
    // Why a name cannot be kept, in Thai; empty when it can.
    static QString nameProblem(const QString& name, bool corporate);

    // Authors whose name holds `part` (all when empty), in Thai order.
    std::vector<Author> find(const QString& part) const;
    // The author of this name, added when there is none; call inside the
    // transaction that uses the key.
    qint64 findOrAdd(const QString& name, bool corporate);
    // Corrects a name; every article follows, since they hold the key. A name
    // another author already has is refused: merge the two instead.
    void rename(qint64 id, const QString& name, bool corporate);
    // Makes `gone` the same person as `kept`: its articles name `kept` and
    // the row of `gone` goes. One transaction.
    void merge(qint64 kept, qint64 gone);
    // Deletes a name that no article uses; refused otherwise.
    void remove(qint64 id);

  private:
    std::optional<qint64> idOf(const QString& name) const;
    int useCount(qint64 id) const;
    void refreshLeads(qint64 id);

    data::Database& db_;
};

}  // namespace articles
