#include "bench/PlainSqlite.h"

#include "bench/StatementLog.h"

PlainSqlite::PlainSqlite(const QString& path, const std::vector<QByteArray>& setUp) {
    sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    StatementLog::ignore(db_);
    sqlite3_busy_timeout(db_, 3000);
    replay(setUp);
}

PlainSqlite::~PlainSqlite() {
    sqlite3_close(db_);
}

sqlite3_stmt* PlainSqlite::prepare(const char* sql, const QStringList& params) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db_, sql, -1, &st, nullptr);
    for (int i = 0; i < params.size(); ++i) {
        const QByteArray v = params[i].toUtf8();
        sqlite3_bind_text(st, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
    }
    return st;
}

void PlainSqlite::run(const char* sql, const QStringList& params) {
    sqlite3_stmt* st = prepare(sql, params);
    while (sqlite3_step(st) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            sink_ += sqlite3_column_bytes(st, c) + (sqlite3_column_text(st, c) ? 1 : 0);
    sqlite3_finalize(st);
}

void PlainSqlite::replay(const std::vector<QByteArray>& statements) {
    for (const QByteArray& sql : statements)
        run(sql.constData());
}

int PlainSqlite::count(const char* sql, const QStringList& params) {
    sqlite3_stmt* st = prepare(sql, params);
    const int n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
    sqlite3_finalize(st);
    return n;
}
