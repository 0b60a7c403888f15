#include "bench/PlainSqlite.h"

#include "bench/StatementLog.h"

namespace {

// Binds the values sqlite3_expanded_sql wrote in place of the statement's
// parameters: NULL, a number, 'text' or x'blob', walked beside the text as
// prepared, whose own quoted literals are the same in both.
void bindExpanded(sqlite3_stmt* st, const QByteArray& sql, const QByteArray& expanded) {
    qsizetype i = 0, j = 0;
    int parameter = 0;
    const auto quoted = [](const QByteArray& text, qsizetype& at) {
        const char quote = text[at];
        QByteArray value;
        for (++at; at < text.size(); ++at) {
            if (text[at] == quote) {
                if (at + 1 < text.size() && text[at + 1] == quote) {
                    value += quote;
                    ++at;
                    continue;
                }
                ++at;
                break;
            }
            value += text[at];
        }
        return value;
    };
    while (i < sql.size() && j < expanded.size()) {
        const char c = sql[i];
        if (c == '\'' || c == '"') {
            quoted(sql, i);
            quoted(expanded, j);
        } else if (c == '?') {
            ++i;
            ++parameter;
            if (expanded.mid(j, 4) == "NULL") {
                sqlite3_bind_null(st, parameter);
                j += 4;
            } else if (expanded[j] == '\'') {
                const QByteArray text = quoted(expanded, j);
                sqlite3_bind_text(st, parameter, text.constData(), int(text.size()),
                                  SQLITE_TRANSIENT);
            } else if (expanded[j] == 'x' && expanded.mid(j + 1, 1) == "'") {
                ++j;
                const QByteArray blob = QByteArray::fromHex(quoted(expanded, j));
                sqlite3_bind_blob(st, parameter, blob.constData(), int(blob.size()),
                                  SQLITE_TRANSIENT);
            } else {
                const qsizetype from = j;
                while (j < expanded.size() &&
                       QByteArrayView("+-.0123456789eE").contains(expanded[j]))
                    ++j;
                const QByteArray number = expanded.mid(from, j - from);
                if (number.contains('.') || number.contains('e') || number.contains('E'))
                    sqlite3_bind_double(st, parameter, number.toDouble());
                else
                    sqlite3_bind_int64(st, parameter, number.toLongLong());
            }
        } else {
            ++i;
            ++j;
        }
    }
}

}  // namespace

PlainSqlite::PlainSqlite(const QString& path, const std::vector<RecordedStatement>& setUp) {
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

void PlainSqlite::readAll(sqlite3_stmt* st) {
    while (sqlite3_step(st) == SQLITE_ROW)
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            sink_ += sqlite3_column_bytes(st, c) + (sqlite3_column_text(st, c) ? 1 : 0);
    sqlite3_finalize(st);
}

void PlainSqlite::run(const char* sql, const QStringList& params) {
    readAll(prepare(sql, params));
}

void PlainSqlite::replay(const std::vector<RecordedStatement>& statements) {
    for (const RecordedStatement& recorded : statements) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, recorded.sql.constData(), -1, &st, nullptr);
        bindExpanded(st, recorded.sql, recorded.expanded);
        readAll(st);
    }
}

int PlainSqlite::count(const char* sql, const QStringList& params) {
    sqlite3_stmt* st = prepare(sql, params);
    const int n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int(st, 0) : 0;
    sqlite3_finalize(st);
    return n;
}
