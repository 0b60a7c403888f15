#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace data {
class Database;
}

namespace articles {

struct Heading {
    qint64 id = 0;
    QString heading;
    QString thai;                 // its Thai form, may be empty
    std::vector<qint64> seeAlso;  // "see also" references to other headings
    // The form lists and cards show and sort by.
    QString shown() const { return thai.isEmpty() ? heading : thai; }
};

// The subject headings kept as a code table.
class HeadingRecords {
  public:
    explicit HeadingRecords(data::Database& db) : db_(db) {}

    // Every heading in Thai dictionary order of its shown form.
    std::vector<Heading> all() const;
    std::optional<Heading> byId(qint64 id) const;
    // Whether another heading names it among its references.
    bool named(qint64 id) const;
    // The heading with this text (or Thai form), added when there is none;
    // call inside the transaction that uses the key.
    qint64 findOrAdd(const QString& heading);
    // Adds (id 0) or corrects a heading with its references; one transaction.
    qint64 save(const Heading& heading);
    // Deletes a heading no article uses, with the references to it.
    void remove(qint64 id);

  private:
    std::optional<qint64> idOf(const QString& text, qint64 other = 0) const;

    data::Database& db_;
};

}  // namespace articles
