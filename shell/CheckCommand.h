#pragma once

#include <QString>

class QTextStream;

namespace shell {

// `periodicals --check`: runs the full integrity check on the database and
// prints the result. Returns the exit code: 0 sound, 1 damaged, 2 unreadable.
int checkDatabase(const QString& databasePath, QTextStream& out);

}  // namespace shell
