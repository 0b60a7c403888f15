#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>

namespace patterns {

// Which subscriptions one pass of working out the late issues reads: those
// in the late list's scope table, or those of the titles whose trimmed keys
// lie from `from` up to, not including, `to` (null: no end). Working out
// every title a range at a time keeps what is held at once small.
struct LateReach {
    bool scoped = false;
    QString from, to;

    static LateReach scope() { return {true, {}, {}}; }
    static LateReach keys(const QString& from, const QString& to) { return {false, from, to}; }

    // The range as a condition on a key column, to follow a WHERE, and its
    // values (none for the scope, which is joined instead).
    QByteArray within(const QByteArray& column) const {
        return " AND " + column + " >= ?" + (to.isNull() ? "" : " AND " + column + " < ?");
    }
    QVariantList bound() const {
        if (scoped)
            return {};
        return to.isNull() ? QVariantList{from} : QVariantList{from, to};
    }
};

}  // namespace patterns
