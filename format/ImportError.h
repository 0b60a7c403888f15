#pragma once

#include <QString>
#include <stdexcept>

namespace format {

// An import or export that cannot go on; the text is the Thai message shown
// to the clerk, and nothing has been written.
class ImportError : public std::runtime_error {
  public:
    explicit ImportError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

  private:
    QString message_;
};

}  // namespace format
