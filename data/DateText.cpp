#include "data/DateText.h"

#include <sqlite3.h>

#include <QStringList>

namespace data {

namespace {

bool allDigits(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return !s.isEmpty();
}

QString columnText(sqlite3_value* v) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                             sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

void sqlDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto date = readDate(columnText(argv[0]));
    if (date)
        resultText(ctx, date->toString(QStringLiteral("yyyy-MM-dd")));
    else
        sqlite3_result_null(ctx);
}

void sqlFormat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, reformatDate(columnText(argv[0])));
}

}  // namespace

std::optional<QDate> readDate(const QString& text) {
    const QStringList parts = text.trimmed().split(u'/');
    if (parts.size() != 3)
        return std::nullopt;
    const QString &d = parts[0], &m = parts[1], &y = parts[2];
    if (!allDigits(d) || !allDigits(m) || !allDigits(y) || d.size() > 2 || m.size() > 2 ||
        y.size() != 4)
        return std::nullopt;
    const QDate date(y.toInt(), m.toInt(), d.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString writeDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString reformatDate(const QString& text) {
    const auto date = readDate(text);
    return date ? writeDate(*date) : text;
}

void registerDateFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function(db, "dmy_date", 1, flags, nullptr, sqlDate, nullptr, nullptr);
    sqlite3_create_function(db, "dmy_format", 1, flags, nullptr, sqlFormat, nullptr, nullptr);
}

}  // namespace data
