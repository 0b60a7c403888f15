#include "bench/StatementLog.h"

namespace {

// SQLite's hook for new connections takes no context, so the one log of the
// process is reached from here.
StatementLog* theLog = nullptr;

int traceStatement(unsigned, void*, void* statement, void* sql) {
    if (theLog && !QByteArray(static_cast<const char*>(sql)).startsWith("--"))
        theLog->record(static_cast<sqlite3_stmt*>(statement));
    return 0;
}

int watchConnection(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, traceStatement, nullptr);
    return SQLITE_OK;
}

void watch() {
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(watchConnection));
}

}  // namespace

StatementLog::StatementLog() {
    theLog = this;
    watch();
}

StatementLog::~StatementLog() {
    sqlite3_reset_auto_extension();
    theLog = nullptr;
}

void StatementLog::start() {
    statements_.clear();
    recording_ = true;
}

std::vector<RecordedStatement> StatementLog::stop() {
    recording_ = false;
    return std::move(statements_);
}

void StatementLog::record(sqlite3_stmt* statement) {
    if (!recording_)
        return;
    char* expanded = sqlite3_expanded_sql(statement);
    const QByteArray sql = sqlite3_sql(statement);
    statements_.push_back({sql, expanded ? QByteArray(expanded) : sql});
    sqlite3_free(expanded);
}

void StatementLog::ignore(sqlite3* db) {
    sqlite3_trace_v2(db, 0, nullptr, nullptr);
}
