#pragma once

#include <QString>

namespace shell {

// Where the program keeps the collection: a PostgreSQL server named in
// libpq's postgresql:// form, or else the SQLite file of this user.
struct DatabaseSetting {
    QString location;
    QString error;  // in Thai; set when the setting cannot be used
};

// The PERIODICALS_DATABASE environment variable when set, else the `url` key
// of the [database] section of the configuration file, else `sqliteFile`.
// Either names a PostgreSQL database (the scheme in any case) that libpq can
// read; a configuration file never holds a password (libpq's password file or
// service file keeps it), and one that cannot be read is refused.
DatabaseSetting readDatabaseSetting(const QString& configFile, const QString& environmentValue,
                                    const QString& sqliteFile);

// `address` as a PostgreSQL location, or the reason in Thai why it is none;
// `source` says where it was given. The address itself is never quoted.
DatabaseSetting serverSetting(const QString& address, const QString& source);

// The setting the program runs with: this user's configuration file, the
// environment, and this user's SQLite file.
DatabaseSetting programDatabaseSetting();

// The program's configuration file under the user's config folder.
QString configFilePath();

// The location as it may be shown: a password in it is left out.
QString shownLocation(const QString& location);

}  // namespace shell
