#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace data {

class Database;

// Asked between steps of a copy, on the thread making it; false stops the copy.
using KeepGoing = std::function<bool()>;

struct BackupResult {
    enum class Outcome {
        Made,         // `copy` is today's new copy
        AlreadyMade,  // today's copy existed
        Damaged,      // the database failed its check: no copy made, none pruned
        Stopped,      // the copy was stopped; its partial file is removed
    };
    Outcome outcome = Outcome::AlreadyMade;
    QString copy;
    // Damaged: what the check found, and the newest copy that passes its own
    // check (empty when there is none).
    QStringList problems;
    QString newestGood;
};

// Once a day the database is checked and then copied, with the engine's
// online backup in small steps, into a folder `backups/` beside it as
// "<name>-yyyy-mm-dd.db". Of the copies dated up to today the newest `keep`
// are kept (one dated in the future, from a wrong clock, is left alone and
// takes no place), and the copy just made is never removed. Partial copies of
// programs that no longer run are removed. Raises DbError when the copy
// cannot be made; the database is never changed.
BackupResult backUpDaily(const QString& databasePath, const QDate& today, int keep = 14,
                         const KeepGoing& keepGoing = {});

// Copies the whole database to `target` (a new file) through the online
// backup. Returns false, with `target` removed, when `keepGoing` stopped it.
bool copyDatabase(const Database& source, const QString& target, const KeepGoing& keepGoing = {});

// The newest daily copy of this database that passes its check, or empty.
QString newestGoodBackup(const QString& databasePath);

}  // namespace data
