#include "data/Database.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QUrl>
#include <limits>

#include "data/DbError.h"
#include "data/PgConnection.h"
#include "data/SqliteConnection.h"

namespace data {

namespace {

// The file read as it stands: no lock, no log, nothing written beside it.
QByteArray immutable(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?immutable=1";
}

std::unique_ptr<Connection> openFile(const QString& path, Database::Open how) {
    constexpr int kCopyFlags = SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI;
    if (how == Database::Open::Copy)
        return std::make_unique<SqliteConnection>(immutable(path), kCopyFlags);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (how == Database::Open::Create)
        flags |= SQLITE_OPEN_CREATE;
    try {
        return std::make_unique<SqliteConnection>(path.toUtf8(), flags);
    } catch (const DbError& e) {
        // A write-ahead log needs its shared-memory file beside the database;
        // in a folder nobody may write (a read-only mount) nothing can change
        // the file, so it is read as it stands, unless a log holds saves that
        // reading it that way would miss.
        const QFileInfo folder(QFileInfo(path).absolutePath());
        if ((e.code() & 0xff) != SQLITE_CANTOPEN || how == Database::Open::Create ||
            !QFileInfo::exists(path) || folder.isWritable() ||
            QFileInfo(path + QStringLiteral("-wal")).size() > 0)
            throw;
        return std::make_unique<SqliteConnection>(immutable(path), kCopyFlags);
    }
}

}  // namespace

bool isPostgresLocation(const QString& location) {
    return location.startsWith(QLatin1String("postgresql://")) ||
           location.startsWith(QLatin1String("postgres://"));
}

QString otherPostgresDatabase(const QString& location, const QString& name) {
    const qsizetype path = location.indexOf(u'/', location.indexOf(QLatin1String("://")) + 3);
    const qsizetype query = location.indexOf(u'?', path);
    return location.left(path + 1) + name + (query < 0 ? QString() : location.mid(query));
}

Database::Database(const QString& location, Open how)
    : path_(location),
      connection_(isPostgresLocation(location) ? std::make_unique<PgConnection>(location)
                                               : openFile(location, how)) {}

Database::~Database() = default;

bool Database::readOnly() const {
    return connection_->readOnly();
}

bool Database::isPostgres() const {
    return connection_->isPostgres();
}

sqlite3* Database::handle() const {
    return connection_->handle();
}

std::vector<Row> Database::query(const char* sql, const QVariantList& params) const {
    std::vector<Row> rows;
    forEach(sql, params, [&rows](Row&& row) { rows.push_back(std::move(row)); });
    return rows;
}

void Database::forEach(const char* sql, const QVariantList& params,
                       const std::function<void(Row&&)>& each) const {
    connection_->forEachRow(sql, params, std::numeric_limits<std::size_t>::max(), each);
}

std::optional<Row> Database::first(const char* sql, const QVariantList& params) const {
    std::optional<Row> first;
    connection_->forEachRow(sql, params, 1, [&first](Row&& row) { first = std::move(row); });
    return first;
}

int Database::exec(const char* sql, const QVariantList& params) {
    return connection_->exec(sql, params);
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.connection_->begin();
}

Transaction::~Transaction() {
    if (open_)
        db_.connection_->rollback();
}

void Transaction::commit() {
    db_.connection_->commit();
    open_ = false;
}

}  // namespace data
