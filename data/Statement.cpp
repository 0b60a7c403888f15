#include "data/Statement.h"

#include <sqlite3.h>

#include <QStringEncoder>
#include <cctype>

#include "data/DbError.h"

namespace data {

Statement::Statement(sqlite3* db, const char* sql) : db_(db) {
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql, -1, &stmt_, &tail);
    if (rc != SQLITE_OK)
        fail(rc);
    while (tail && *tail && std::isspace(static_cast<unsigned char>(*tail)))
        ++tail;
    if (tail && *tail) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw DbError(SQLITE_MISUSE, QStringLiteral("more than one statement in: %1").arg(sql));
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::bindAll(const QVariantList& values) {
    if (values.size() != sqlite3_bind_parameter_count(stmt_))
        throw DbError(SQLITE_RANGE, QStringLiteral("%1 values for %2 parameters in: %3")
                                        .arg(values.size())
                                        .arg(sqlite3_bind_parameter_count(stmt_))
                                        .arg(QString::fromUtf8(sqlite3_sql(stmt_))));
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values.at(i);
        int rc;
        if (v.isNull()) {
            rc = sqlite3_bind_null(stmt_, i + 1);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            rc = sqlite3_bind_int64(stmt_, i + 1, v.toLongLong());
        } else if (v.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(stmt_, i + 1, v.toDouble());
        } else {
            const QByteArray utf8 = v.toString().toUtf8();
            rc = sqlite3_bind_text64(stmt_, i + 1, utf8.constData(),
                                     static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        if (rc != SQLITE_OK)
            fail(rc);
    }
}

void Statement::runTexts(const QStringList& texts, const QStringList& orNull) {
    if (texts.size() + orNull.size() != sqlite3_bind_parameter_count(stmt_))
        throw DbError(SQLITE_RANGE, QStringLiteral("%1 values for %2 parameters in: %3")
                                        .arg(texts.size() + orNull.size())
                                        .arg(sqlite3_bind_parameter_count(stmt_))
                                        .arg(QString::fromUtf8(sqlite3_sql(stmt_))));
    // SQLite keeps UTF-8: the texts are turned into it here, into one buffer
    // kept from row to row, rather than by SQLite into a new one per value.
    qsizetype room = 1;
    for (const QStringList* list : {&texts, &orNull})
        for (const QString& text : *list)
            room += text.size() * 3;
    if (utf8_.size() < room)
        utf8_.resize(room);
    QStringEncoder encoder(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    char* at = utf8_.data();
    for (int i = 0; i < texts.size(); ++i) {
        char* end = encoder.appendToBuffer(at, texts.at(i));
        // A null text is stored as empty text, never as NULL.
        const int rc = sqlite3_bind_text(stmt_, i + 1, at, int(end - at), SQLITE_STATIC);
        if (rc != SQLITE_OK)
            fail(rc);
        at = end;
    }
    for (int i = 0; i < orNull.size(); ++i) {
        const int parameter = int(texts.size()) + i + 1;
        int rc;
        if (orNull.at(i).isNull()) {
            rc = sqlite3_bind_null(stmt_, parameter);
        } else {
            char* end = encoder.appendToBuffer(at, orNull.at(i));
            rc = sqlite3_bind_text(stmt_, parameter, at, int(end - at), SQLITE_STATIC);
            at = end;
        }
        if (rc != SQLITE_OK)
            fail(rc);
    }
    const int rc = sqlite3_step(stmt_);
    sqlite3_reset(stmt_);
    if (rc != SQLITE_DONE)
        fail(rc);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(rc);
}

Row Statement::row() const {
    const int n = sqlite3_column_count(stmt_);
    QVariantList values;
    values.reserve(n);
    for (int i = 0; i < n; ++i) {
        switch (sqlite3_column_type(stmt_, i)) {
            case SQLITE_NULL:
                values.append(QVariant());
                break;
            case SQLITE_INTEGER:
                values.append(QVariant(qint64(sqlite3_column_int64(stmt_, i))));
                break;
            case SQLITE_FLOAT:
                values.append(QVariant(sqlite3_column_double(stmt_, i)));
                break;
            default:
                values.append(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)),
                                      sqlite3_column_bytes(stmt_, i)));
        }
    }
    return Row(std::move(values));
}

void Statement::fail(int rc) const {
    const int code = db_ ? sqlite3_extended_errcode(db_) : rc;
    const QString msg =
        db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
    throw DbError(code ? code : rc, msg);
}

}  // namespace data
