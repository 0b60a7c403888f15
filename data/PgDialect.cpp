#include "data/PgDialect.h"

#include <algorithm>

#include "data/SortableDate.h"

namespace data {

namespace {

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The position just after the quoted text or name that starts at `at`; a
// doubled quote inside it is read as the next quoted part, which is the same.
qsizetype afterQuoted(const QByteArray& sql, qsizetype at) {
    const qsizetype close = sql.indexOf(sql.at(at), at + 1);
    return close < 0 ? sql.size() : close + 1;
}

// The position of the parenthesis that closes the one at `open`, or -1.
qsizetype closingParenthesis(const QByteArray& sql, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < sql.size();) {
        const char c = sql.at(i);
        if (c == '\'' || c == '"') {
            i = afterQuoted(sql, i);
            continue;
        }
        if (c == '(')
            ++depth;
        else if (c == ')' && --depth == 0)
            return i;
        ++i;
    }
    return -1;
}

QByteArray withSortableDateCalls(QByteArray sql) {
    static const QByteArray kStart = "(CASE WHEN ";
    static const QByteArray kShape = " GLOB '[0-9][0-9]/";
    for (qsizetype at = sql.indexOf(kStart); at >= 0; at = sql.indexOf(kStart, at + 1)) {
        const qsizetype column = at + kStart.size();
        const qsizetype end = sql.indexOf(kShape, column);
        if (end < 0)
            break;
        const QByteArray name = sql.mid(column, end - column);
        const QByteArray expression = sortableDate(name.constData());
        if (sql.mid(at, expression.size()) != expression)
            continue;
        const QByteArray call = "sortable_date(" + name + ")";
        sql.replace(at, expression.size(), call);
        // SQLite orders NULL below every value, the server above: an
        // unreadable date must stay last in a list going down, as on the file.
        const qsizetype after = at + call.size();
        if (sql.mid(after, 5) == " DESC" &&
            (after + 5 == sql.size() || !isWordChar(sql.at(after + 5))))
            sql.insert(after + 5, " NULLS LAST");
    }
    return sql;
}

// The issues' date keys, NULL where a date is unreadable, likewise.
QByteArray withDateKeysLastWhenNull(QByteArray sql) {
    for (const char* name : {"daily_key DESC", "receivedate_key DESC"}) {
        const QByteArray key(name);
        for (qsizetype at = sql.indexOf(key); at >= 0; at = sql.indexOf(key, at + 1)) {
            const qsizetype after = at + key.size();
            if ((at > 0 && isWordChar(sql.at(at - 1))) ||
                (after < sql.size() && isWordChar(sql.at(after))) || sql.mid(after, 6) == " NULLS")
                continue;
            sql.insert(after, " NULLS LAST");
        }
    }
    return sql;
}

QByteArray withLeadingIntegerCalls(QByteArray sql) {
    static const QByteArray kCast = "CAST(";
    static const QByteArray kAsInteger = " AS INTEGER";
    static const QByteArray kCall = "leading_integer(";
    for (qsizetype at = sql.indexOf(kCast); at >= 0; at = sql.indexOf(kCast, at + 1)) {
        if (at > 0 && isWordChar(sql.at(at - 1)))
            continue;
        const qsizetype close = closingParenthesis(sql, at + kCast.size() - 1);
        if (close < 0)
            break;
        const qsizetype inner = at + kCast.size();
        if (!sql.mid(inner, close - inner).endsWith(kAsInteger))
            continue;
        sql.remove(close - kAsInteger.size(), kAsInteger.size());
        sql.replace(at, kCast.size(), kCall);
    }
    return sql;
}

// SQLite's lower() and upper() change the letters A to Z only; the
// server's do so too in the "C" collation, and otherwise follow the
// database's locale, which would make names alike on the server that are
// not alike on the file.
QByteArray withAsciiCaseCalls(QByteArray sql) {
    for (const char* name : {"lower(", "upper("}) {
        const QByteArray call(name);
        for (qsizetype at = sql.indexOf(call); at >= 0; at = sql.indexOf(call, at + 1)) {
            if (at > 0 && isWordChar(sql.at(at - 1)))
                continue;
            const qsizetype close = closingParenthesis(sql, at + call.size() - 1);
            if (close < 0)
                break;
            sql.insert(close, " COLLATE \"C\"");
        }
    }
    return sql;
}

}  // namespace

PgStatement postgresStatement(const QByteArray& sqlite) {
    const QByteArray sql = withAsciiCaseCalls(
        withLeadingIntegerCalls(withDateKeysLastWhenNull(withSortableDateCalls(sqlite))));
    PgStatement out;
    out.text.reserve(sql.size() + 16);
    for (qsizetype i = 0; i < sql.size();) {
        const char c = sql.at(i);
        if (c == '\'' || c == '"') {
            const qsizetype end = afterQuoted(sql, i);
            out.text += sql.mid(i, end - i);
            i = end;
        } else if (c == '?') {
            qsizetype end = i + 1;
            while (end < sql.size() && isDigit(sql.at(end)))
                ++end;
            // A bare ? takes the number after the highest one used so far.
            const int number =
                end > i + 1 ? sql.mid(i + 1, end - i - 1).toInt() : out.parameterCount + 1;
            out.parameterCount = std::max(out.parameterCount, number);
            out.text += '$' + QByteArray::number(number);
            i = end;
        } else if (isWordChar(c)) {
            qsizetype end = i + 1;
            while (end < sql.size() && isWordChar(sql.at(end)))
                ++end;
            const QByteArray word = sql.mid(i, end - i);
            if (word.compare("LIMIT", Qt::CaseInsensitive) == 0 && sql.mid(end, 3) == " -1" &&
                (end + 3 == sql.size() || !isDigit(sql.at(end + 3)))) {
                out.text += "LIMIT ALL";
                i = end + 3;
                continue;
            }
            out.text +=
                word.compare("LIKE", Qt::CaseInsensitive) == 0 ? QByteArrayView("ILIKE") : word;
            i = end;
        } else {
            out.text += c;
            ++i;
        }
    }
    return out;
}

}  // namespace data
