#include "tests/support/Refusal.h"

namespace testing_support {

void refuseWrites(data::Database& db, const char* event, const char* table, const char* message,
                  const char* first) {
    const QByteArray name = QByteArray("refuse_") + table;
    const QByteArray before = first ? QByteArray(first) + "; " : QByteArray();
    if (db.isPostgres()) {
        db.exec("CREATE FUNCTION " + name + "() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN " +
                before + "RAISE EXCEPTION '" + message + "'; END$$");
        db.exec("CREATE TRIGGER " + name + " " + event + " ON " + table +
                " FOR EACH ROW EXECUTE FUNCTION " + name + "()");
        return;
    }
    db.exec("CREATE TRIGGER " + name + " " + event + " ON " + table + " BEGIN " + before +
            "SELECT RAISE(ABORT, '" + message + "'); END");
}

void allowWrites(data::Database& db, const char* table) {
    const QByteArray name = QByteArray("refuse_") + table;
    db.exec(db.isPostgres() ? "DROP TRIGGER " + name + " ON " + table : "DROP TRIGGER " + name);
}

}  // namespace testing_support
