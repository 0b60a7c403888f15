#include "exchange/CatalogueServers.h"

#include <QSettings>

namespace exchange {

namespace {
const QString kKey = QStringLiteral("catalogue/servers");
}

QStringList CatalogueServers::list() const {
    QSettings settings(file_, QSettings::IniFormat);
    QStringList servers;
    for (const QString& s : settings.value(kKey).toStringList())
        if (!s.trimmed().isEmpty() && !servers.contains(s.trimmed()))
            servers << s.trimmed();
    return servers;
}

bool CatalogueServers::save(const QStringList& servers) const {
    QSettings settings(file_, QSettings::IniFormat);
    if (servers.isEmpty())
        settings.remove(kKey);
    else
        settings.setValue(kKey, servers);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString CatalogueServers::problem(const QString& address) {
    const QString a = address.trimmed();
    if (a.isEmpty())
        return QStringLiteral("กรุณาพิมพ์ที่อยู่ของเครื่องบริการ");
    if (a.contains(u' '))
        return QStringLiteral("ที่อยู่ของเครื่องบริการต้องไม่มีช่องว่าง");
    const bool web =
        a.startsWith(QStringLiteral("http://")) || a.startsWith(QStringLiteral("https://"));
    if (!web && !a.startsWith(QStringLiteral("unix:")) && !a.contains(u':'))
        return QStringLiteral("ที่อยู่ Z39.50 ต้องมีหมายเลขพอร์ต เช่น catalog.example.ac.th:210/Default");
    return {};
}

}  // namespace exchange
