#pragma once

#include <QString>
#include <stdexcept>

namespace data {

// A failed database call: the engine's result code and message, plus the Thai
// sentence a window shows to the user.
class DbError : public std::runtime_error {
  public:
    DbError(int code, const QString& detail);
    // With a Thai sentence of its own in place of the one its code gives.
    DbError(int code, const QString& detail, const QString& thaiHead);

    int code() const { return code_; }
    QString detail() const { return detail_; }
    // The message for the user: what went wrong in Thai, then the engine's words.
    QString thaiMessage() const;

  private:
    int code_;
    QString detail_;
    QString thaiHead_;
};

}  // namespace data
