#pragma once

#include <QDateTime>
#include <QString>

class QTextStream;

namespace shell {

// `periodicals --restore BACKUP`: the backup is copied beside the database
// (mode 0600) with the log of saves beside it (BACKUP-wal, or the journal of
// a save cut short), which is folded into the copy. Refused while the program
// runs or when that copy fails its integrity check or is not a database of
// this program. Otherwise the database and its -wal and -shm files are moved
// aside under a dated name (so a log left by a crash is never replayed onto
// the backup, and restoring that name undoes the restore with every save),
// the copy is installed in their place, and what was done is printed.
// Returns the exit code: 0 restored, 1 refused.
int restoreBackup(const QString& backup, const QString& databasePath, const QDateTime& now,
                  QTextStream& out);

}  // namespace shell
