#pragma once

#include <QDate>
#include <QString>

namespace data {

// Once a day the database is copied, with the engine's online backup, into a
// folder `backups/` beside it; the newest `keep` copies are kept. Returns the
// path of the copy made today, or an empty text when today's copy existed.
// Raises DbError when the copy cannot be made; the database is never touched.
QString backUpDaily(const QString& databasePath, const QDate& today, int keep = 14);

}  // namespace data
