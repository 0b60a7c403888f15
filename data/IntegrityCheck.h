#pragma once

#include <QStringList>

namespace data {

class Database;

enum class Check {
    Quick,  // every page and record, not the agreement of indexes with tables
    Full,
};

// What the engine's integrity check finds wrong with the file; empty when it
// is sound. A file so damaged that the check cannot run yields the engine's
// error as the one problem.
QStringList integrityProblems(const Database& db, Check kind);
// The same for a copy (a backup) given by its path, read as it stands.
QStringList integrityProblems(const QString& path, Check kind);

}  // namespace data
