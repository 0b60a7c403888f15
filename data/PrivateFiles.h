#pragma once

#include <QString>

namespace data {

// The collection is readable by its owner only, whatever the umask: folders
// the program makes are 0700, files 0600 (SQLite gives the -wal, -shm and
// -journal files the mode of their database).

// Makes the folder and its missing parents, each new one 0700; false when it
// cannot be made.
bool makePrivateFolder(const QString& path);

// Creates `path`, which must not exist, as an empty file of mode 0600.
bool createPrivateFile(const QString& path);

// Copies `from` into the new file `to`, of mode 0600; on failure `to` is removed.
bool copyPrivately(const QString& from, const QString& to);

}  // namespace data
