#include "settings/UnitName.h"

#include "data/Database.h"
#include "data/DatabaseFile.h"

namespace settings {

namespace {

QString readSetting(const data::Database& db, const QString& name) {
    if (!data::hasTable(db, "settings"))
        return {};
    const auto row = db.first("SELECT setting_value FROM settings WHERE setting_name = ?", {name});
    return row ? row->text(0).trimmed() : QString();
}

void writeSetting(data::Database& db, const QString& name, const QString& value) {
    if (value.trimmed().isEmpty()) {
        db.exec("DELETE FROM settings WHERE setting_name = ?", {name});
        return;
    }
    db.exec(
        "INSERT INTO settings (setting_name, setting_value) VALUES (?, ?)"
        " ON CONFLICT (setting_name) DO UPDATE SET setting_value = excluded.setting_value",
        {name, value.trimmed()});
}

}  // namespace

QString readUnitName(const data::Database& db) {
    // A read-only file of an older version has no settings yet.
    if (!data::hasTable(db, "settings"))
        return kDefaultUnitName;
    const auto row =
        db.first("SELECT setting_value FROM settings WHERE setting_name = 'unit_name'");
    return row && !row->text(0).trimmed().isEmpty() ? row->text(0) : kDefaultUnitName;
}

void writeUnitName(data::Database& db, const QString& name) {
    if (name.trimmed().isEmpty()) {
        db.exec("DELETE FROM settings WHERE setting_name = 'unit_name'");
        return;
    }
    db.exec(
        "INSERT INTO settings (setting_name, setting_value) VALUES ('unit_name', ?)"
        " ON CONFLICT (setting_name) DO UPDATE SET setting_value = excluded.setting_value",
        {name.trimmed()});
}

QString readUnitAddress(const data::Database& db) {
    if (!data::hasTable(db, "settings"))
        return {};
    const auto row =
        db.first("SELECT setting_value FROM settings WHERE setting_name = 'unit_address'");
    return row ? row->text(0).trimmed() : QString();
}

void writeUnitAddress(data::Database& db, const QString& address) {
    if (address.trimmed().isEmpty()) {
        db.exec("DELETE FROM settings WHERE setting_name = 'unit_address'");
        return;
    }
    db.exec(
        "INSERT INTO settings (setting_name, setting_value) VALUES ('unit_address', ?)"
        " ON CONFLICT (setting_name) DO UPDATE SET setting_value = excluded.setting_value",
        {address.trimmed()});
}

QString readDeskName(const data::Database& db) {
    return readSetting(db, QStringLiteral("desk_name"));
}

void writeDeskName(data::Database& db, const QString& name) {
    writeSetting(db, QStringLiteral("desk_name"), name);
}

QString readDeskAddress(const data::Database& db) {
    return readSetting(db, QStringLiteral("desk_address"));
}

void writeDeskAddress(data::Database& db, const QString& address) {
    writeSetting(db, QStringLiteral("desk_address"), address);
}

int readReclaimDays(const data::Database& db) {
    bool ok = false;
    const int days = readSetting(db, QStringLiteral("reclaim_days")).toInt(&ok);
    return ok && days > 0 ? days : kDefaultReclaimDays;
}

bool writeReclaimDays(data::Database& db, const QString& days) {
    bool ok = false;
    const int n = days.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 365)
        return false;
    writeSetting(db, QStringLiteral("reclaim_days"), QString::number(n));
    return true;
}

}  // namespace settings
