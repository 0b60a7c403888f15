#include "shell/DatabaseSetting.h"

#include <QFile>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>
#include <QUrlQuery>

#include "data/Database.h"
#include "data/DatabaseFile.h"

namespace shell {

namespace {

// The `url` value of the [database] section; keys elsewhere are not ours.
QString configuredUrl(const QString& configFile) {
    QFile file(configFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inDatabase = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inDatabase = line.compare(QStringLiteral("[database]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inDatabase && equals > 0 &&
            line.left(equals).trimmed().compare(QStringLiteral("url"), Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

bool holdsPassword(const QString& location) {
    const QUrl url(location);
    return !url.password().isEmpty() || QUrlQuery(url).hasQueryItem(QStringLiteral("password"));
}

}  // namespace

DatabaseSetting readDatabaseSetting(const QString& configFile, const QString& environmentValue,
                                    const QString& sqliteFile) {
    if (!environmentValue.trimmed().isEmpty())
        return {environmentValue.trimmed(), {}};
    const QString url = configuredUrl(configFile);
    if (url.isEmpty())
        return {sqliteFile, {}};
    if (!data::isPostgresLocation(url))
        return {{},
                QStringLiteral("ค่า url ในหมวด [database] ของแฟ้ม %1 ต้องขึ้นต้นด้วย postgresql://")
                    .arg(configFile)};
    if (holdsPassword(url))
        return {{},
                QStringLiteral("แฟ้ม %1 ต้องไม่เก็บรหัสผ่านของฐานข้อมูล "
                               "กรุณาเก็บรหัสผ่านในแฟ้ม ~/.pgpass หรือใช้ pg_service.conf แทน")
                    .arg(configFile)};
    return {url, {}};
}

DatabaseSetting programDatabaseSetting() {
    return readDatabaseSetting(configFilePath(), qEnvironmentVariable("PERIODICALS_DATABASE"),
                               data::defaultDatabasePath());
}

QString configFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/periodicals/periodicals.conf");
}

QString shownLocation(const QString& location) {
    if (!data::isPostgresLocation(location))
        return location;
    QUrl url(location);
    url.setPassword({});
    QUrlQuery query(url);
    query.removeAllQueryItems(QStringLiteral("password"));
    url.setQuery(query);
    return url.toString();
}

}  // namespace shell
