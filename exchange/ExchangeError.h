#pragma once

#include <QString>
#include <stdexcept>

namespace exchange {

// A file that cannot be read or written; the message is for the user.
class ExchangeError : public std::runtime_error {
  public:
    explicit ExchangeError(const QString& thai)
        : std::runtime_error(thai.toStdString()), thai_(thai) {}
    QString thaiMessage() const { return thai_; }

  private:
    QString thai_;
};

}  // namespace exchange
