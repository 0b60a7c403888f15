#pragma once

#include <QString>
#include <stdexcept>

#include "catalogue/TitleRecords.h"

namespace data {
class Database;
}

namespace catalogue {

// A save refused by a rule: the Thai message and the name of the window's
// field to put right.
class TitleRefused : public std::runtime_error {
  public:
    TitleRefused(const QString& thai, QString field)
        : std::runtime_error(thai.toStdString()), thai_(thai), field_(std::move(field)) {}
    QString thaiMessage() const { return thai_; }
    QString field() const { return field_; }

  private:
    QString thai_;
    QString field_;
};

// What a title save relies on, checked again inside its transaction (which
// holds the writer lock), so that another desk's change meanwhile cannot slip
// in: a new title's name is free, the publisher and the agent exist, and every
// chosen code is still in its code table.
class TitleSaveRules {
  public:
    explicit TitleSaveRules(data::Database& db) : db_(db) {}

    // Raises TitleRefused for the first rule the values break.
    void check(const TitleValues& values, bool adding) const;

  private:
    data::Database& db_;
};

}  // namespace catalogue
