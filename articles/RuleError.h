#pragma once

#include <QString>
#include <stdexcept>

namespace articles {

// A rule of the index that a command found broken (checked again inside its
// transaction, so nothing was written): the Thai sentence is the message.
class RuleError : public std::runtime_error {
  public:
    explicit RuleError(QString thai) : std::runtime_error("rule"), thai_(std::move(thai)) {}
    QString thai() const { return thai_; }

  private:
    QString thai_;
};

}  // namespace articles
