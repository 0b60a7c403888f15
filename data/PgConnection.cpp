#include "data/PgConnection.h"

#include <libpq-fe.h>
#include <sqlite3.h>

#include <QLocale>

#include "data/DbError.h"
#include "data/FieldLimits.h"

namespace data {

namespace {

// Every program of the desk takes this lock to write (the program's own
// mark, "VRLN"), so two saves never interleave.
constexpr long long kWriterLockKey = 0x56524C4E;

// Type numbers of PostgreSQL's built-in types (pg_type.oid).
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kFloat4 = 700, kFloat8 = 701,
              kNumeric = 1700;

QString connectHead() {
    return QStringLiteral("เชื่อมต่อเซิร์ฟเวอร์ฐานข้อมูลไม่ได้");
}

QString lostInSaveHead() {
    return QStringLiteral(
        "การเชื่อมต่อกับเซิร์ฟเวอร์ฐานข้อมูลขาดระหว่างบันทึก รายการนี้ไม่ได้บันทึก "
        "กรุณาทำรายการอีกครั้ง");
}

bool serverGone(const QByteArray& state) {
    return state.startsWith("08") || state == "57P01" || state == "57P02" || state == "57P03";
}

// The SQLite result code nearest to a PostgreSQL error state, so callers
// and the Thai messages treat both stores alike.
int nearestCode(const QByteArray& state) {
    if (state == "55P03" || state == "40001" || state == "40P01")
        return SQLITE_BUSY;
    if (state == "53100")
        return SQLITE_FULL;
    if (state == "25006")
        return SQLITE_READONLY;
    if (state == "42501")
        return SQLITE_AUTH;
    if (state.startsWith("23"))
        return SQLITE_CONSTRAINT;
    if (serverGone(state))
        return SQLITE_CANTOPEN;
    return SQLITE_ERROR;
}

QByteArray parameterText(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return v.toByteArray();
        case QMetaType::Double:
            return QByteArray::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
        case QMetaType::Bool:
            return v.toBool() ? "1" : "0";
        default: {
            // libpq takes each value up to its first NUL: the rest would be
            // lost without a word.
            const QString text = v.toString();
            if (text.contains(QChar(0)))
                throw DbError(SQLITE_MISMATCH,
                              QStringLiteral("a text holds a NUL character, which the server"
                                             " cannot store"));
            return text.toUtf8();
        }
    }
}

QVariant value(const PGresult* result, int row, int column) {
    if (PQgetisnull(result, row, column))
        return QVariant();
    const char* text = PQgetvalue(result, row, column);
    switch (PQftype(result, column)) {
        case kInt2:
        case kInt4:
        case kInt8:
            return QVariant(QByteArray(text).toLongLong());
        case kFloat4:
        case kFloat8:
        case kNumeric:
            return QVariant(QByteArray(text).toDouble());
        case kBool:
            return QVariant(qlonglong(text[0] == 't'));
        default:
            return QVariant(QString::fromUtf8(text, PQgetlength(result, row, column)));
    }
}

}  // namespace

void PgConnection::ResultDeleter::operator()(PGresult* result) const {
    PQclear(result);
}

PgConnection::PgConnection(const QString& uri) {
    // Text always travels as UTF-8; the server sees which program this is
    // unless the URI names an application itself.
    const QByteArray location = uri.toUtf8();
    const char* const keys[] = {"dbname", "client_encoding", "fallback_application_name", nullptr};
    const char* const values[] = {location.constData(), "UTF8", "periodicals", nullptr};
    conn_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        const QString message = QString::fromUtf8(PQerrorMessage(conn_)).simplified();
        PQfinish(conn_);
        throw DbError(SQLITE_CANTOPEN, message, connectHead());
    }
    try {
        configure();
    } catch (...) {
        PQfinish(conn_);
        throw;
    }
}

PgConnection::~PgConnection() {
    PQfinish(conn_);
}

void PgConnection::configure() {
    // The server's notices (an index that already exists, a table to drop
    // that does not) are not for the clerk, nor for the terminal.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    // A save waiting on another clerk's gives up after as long as SQLite's
    // busy timeout, with the same message.
    command("SET lock_timeout = '3s'");
    // A login that may only read the tables is read-only as a read-only
    // file is; one that may not even read them is told it lacks the right.
    // Before the tables are made there is nothing to tell.
    static const char* const kReadOnly =
        "SELECT pg_is_in_recovery() OR current_setting('transaction_read_only') = 'on'"
        " OR coalesce(has_table_privilege(to_regclass('vorlen1'), 'SELECT')"
        " AND NOT (has_table_privilege(to_regclass('vorlen1'), 'INSERT')"
        " AND has_table_privilege(to_regclass('tranfile'), 'INSERT')), false)";
    forEachRow(kReadOnly, {}, 1, [this](Row&& row) { readOnly_ = row.value(0).toBool(); });
}

// A window keeps its connection all day; after the server restarted or the
// network dropped it, the command connects afresh instead of failing on.
void PgConnection::reconnectIfLost() {
    if (PQstatus(conn_) != CONNECTION_BAD)
        return;
    reconnect();
}

void PgConnection::reconnect() {
    PQreset(conn_);
    if (PQstatus(conn_) != CONNECTION_OK)
        throw DbError(SQLITE_CANTOPEN, QString::fromUtf8(PQerrorMessage(conn_)).simplified(),
                      connectHead());
    configure();
}

void PgConnection::fail(const PGresult* result) const {
    const QByteArray state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    // The server's one-line message, as SQLite's; libpq's own when it has none.
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    QString message = QString::fromUtf8(primary).simplified();
    if (message.isEmpty())
        message = QString::fromUtf8(PQerrorMessage(conn_)).simplified();
    if (serverGone(state) || PQstatus(conn_) == CONNECTION_BAD)
        throw DbError(SQLITE_CANTOPEN, message, inTransaction_ ? lostInSaveHead() : connectHead());
    if (state == "23514") {
        const QString constraint =
            QString::fromUtf8(PQresultErrorField(result, PG_DIAG_CONSTRAINT_NAME));
        const QString table = QString::fromUtf8(PQresultErrorField(result, PG_DIAG_TABLE_NAME));
        if (constraint.startsWith(table + u'_') && constraint.endsWith(QLatin1String("_length"))) {
            const QString column = constraint.mid(table.size() + 1).chopped(7);
            throw DbError(SQLITE_TOOBIG, QStringLiteral("%1%2.%3, at most %4 characters")
                                             .arg(QLatin1String(kTooLongMark), table, column,
                                                  QString::number(columnLimit(table, column))));
        }
    }
    // What a login may only read is refused as on a read-only file.
    throw DbError(state == "42501" && readOnly_ ? SQLITE_READONLY : nearestCode(state), message);
}

PgConnection::Result PgConnection::command(const char* sql) {
    Result result(PQexec(conn_, sql));
    if (!inTransaction_ && PQstatus(conn_) == CONNECTION_BAD) {
        reconnect();
        result.reset(PQexec(conn_, sql));
    }
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK &&
        PQresultStatus(result.get()) != PGRES_TUPLES_OK)
        fail(result.get());
    return result;
}

PgConnection::Result PgConnection::run(const char* sql, const QVariantList& params) {
    // Inside a transaction a new connection would run the rest apart from it.
    if (!inTransaction_)
        reconnectIfLost();
    const QByteArray key(sql);
    auto found = statements_.constFind(key);
    if (found == statements_.constEnd())
        found = statements_.insert(key, postgresStatement(key));
    const PgStatement& statement = *found;
    if (params.size() != statement.parameterCount)
        throw DbError(SQLITE_RANGE, QStringLiteral("%1 values for %2 parameters in: %3")
                                        .arg(params.size())
                                        .arg(statement.parameterCount)
                                        .arg(QString::fromUtf8(sql)));
    std::vector<QByteArray> texts;
    std::vector<const char*> values;
    texts.reserve(std::size_t(params.size()));
    for (const QVariant& v : params) {
        texts.push_back(v.isNull() ? QByteArray() : parameterText(v));
        values.push_back(v.isNull() ? nullptr : texts.back().constData());
    }
    auto execute = [&] {
        return Result(PQexecParams(conn_, statement.text.constData(), int(values.size()), nullptr,
                                   values.data(), nullptr, nullptr, 0));
    };
    Result result = execute();
    // A connection the server dropped (a restart) is seen dead only when
    // used: outside a transaction the command runs once more on a new one.
    if (!inTransaction_ && PQstatus(conn_) == CONNECTION_BAD) {
        reconnect();
        result = execute();
    }
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail(result.get());
    return result;
}

void PgConnection::forEachRow(const char* sql, const QVariantList& params, std::size_t maxRows,
                              const std::function<void(Row&&)>& each) {
    const Result result = run(sql, params);
    const int rows = int(std::min(std::size_t(PQntuples(result.get())), maxRows));
    const int columns = PQnfields(result.get());
    for (int r = 0; r < rows; ++r) {
        QVariantList values;
        values.reserve(columns);
        for (int c = 0; c < columns; ++c)
            values.append(value(result.get(), r, c));
        each(Row(std::move(values)));
    }
}

int PgConnection::exec(const char* sql, const QVariantList& params) {
    return QByteArray(PQcmdTuples(run(sql, params).get())).toInt();
}

void PgConnection::begin() {
    reconnectIfLost();
    command("BEGIN");
    inTransaction_ = true;
    try {
        command(("SELECT pg_advisory_xact_lock(" + QByteArray::number(kWriterLockKey) + ")")
                    .constData());
    } catch (...) {
        rollback();
        throw;
    }
}

void PgConnection::commit() {
    // Still inside: a COMMIT that loses the connection must not run again
    // on a new one, where it would find nothing to commit and say done.
    const Result result = command("COMMIT");
    inTransaction_ = false;
    // After a failed statement the server ends the transaction with a
    // rollback and reports it as done; the save must not be reported done.
    if (QByteArray(PQcmdStatus(result.get())) != "COMMIT")
        throw DbError(SQLITE_ABORT,
                      QStringLiteral("the transaction was rolled back by an earlier error"));
}

void PgConnection::rollback() noexcept {
    inTransaction_ = false;
    PQclear(PQexec(conn_, "ROLLBACK"));
}

}  // namespace data
