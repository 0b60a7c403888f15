#include "shell/DatabaseSetting.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/ServerAddress.h"

namespace shell {

namespace {

// The `url` value of the [database] section (empty when there is none); keys
// elsewhere are not ours. Nothing when the file is there but cannot be read.
std::optional<QString> configuredUrl(const QString& configFile) {
    QFile file(configFile);
    if (!file.exists())
        return QString();
    if (QFileInfo(configFile).isDir() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
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
    if (in.status() != QTextStream::Ok)
        return std::nullopt;
    return QString();
}

// The address with its scheme in lower case, as libpq knows it; empty when it
// names no PostgreSQL database.
QString withLowerScheme(const QString& address) {
    for (const QLatin1String scheme :
         {QLatin1String("postgresql://"), QLatin1String("postgres://")})
        if (address.startsWith(scheme, Qt::CaseInsensitive))
            return scheme + address.mid(scheme.size());
    return {};
}

}  // namespace

DatabaseSetting serverSetting(const QString& address, const QString& source) {
    const QString location = withLowerScheme(address);
    if (location.isEmpty())
        return {{}, QStringLiteral("%1 ต้องขึ้นต้นด้วย postgresql://").arg(source)};
    if (!data::serverAddressReadable(location))
        return {{},
                QStringLiteral("%1 ไม่ใช่ที่อยู่ของฐานข้อมูลที่อ่านได้ "
                               "(เครื่องหมาย % ต้องตามด้วยเลขฐานสิบหกสองหลัก "
                               "เช่น %25 แทน % และ %40 แทน @)")
                    .arg(source)};
    return {location, {}};
}

DatabaseSetting readDatabaseSetting(const QString& configFile, const QString& environmentValue,
                                    const QString& sqliteFile) {
    if (!environmentValue.trimmed().isEmpty())
        return serverSetting(environmentValue.trimmed(),
                             QStringLiteral("ค่าของตัวแปร PERIODICALS_DATABASE"));
    const std::optional<QString> url = configuredUrl(configFile);
    if (!url)
        return {{},
                QStringLiteral("อ่านแฟ้มตั้งค่า %1 ไม่ได้ จึงไม่ได้เปิดฐานข้อมูล "
                               "กรุณาตรวจสิทธิ์ของแฟ้มนี้ให้ผู้ใช้อ่านได้")
                    .arg(configFile)};
    if (url->isEmpty())
        return {sqliteFile, {}};
    if (const QString location = withLowerScheme(*url);
        !location.isEmpty() && data::serverAddressHoldsPassword(location))
        return {{},
                QStringLiteral("แฟ้ม %1 ต้องไม่เก็บรหัสผ่านของฐานข้อมูล "
                               "กรุณาเก็บรหัสผ่านในแฟ้ม ~/.pgpass หรือใช้ pg_service.conf แทน")
                    .arg(configFile)};
    return serverSetting(*url,
                         QStringLiteral("ค่า url ในหมวด [database] ของแฟ้ม %1").arg(configFile));
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
    return data::isPostgresLocation(location) ? data::serverAddressWithoutPassword(location)
                                              : location;
}

}  // namespace shell
