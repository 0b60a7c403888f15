#include "settings/UnitName.h"

#include "data/Database.h"
#include "data/DatabaseFile.h"

namespace settings {

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

}  // namespace settings
