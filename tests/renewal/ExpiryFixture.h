#pragma once

#include <QString>

#include "data/Database.h"

namespace renewal_test {

// A subscription as the expiry list selects it, with the values a test varies.
struct Subscription {
    QString pointer;
    QString name;
    QString endPeriod;
    QString receiveCode = QStringLiteral("1");
    QString titlePublisher = QStringLiteral("1");
    QString subscriptionPublisher = QStringLiteral("1");
    QString currencyCode = QStringLiteral("02");
    QString price = QStringLiteral("1200");
    QString rate = QStringLiteral("35.5");
    QString orderDate = QStringLiteral("01/01/2007");
    QString department = QStringLiteral("01");
};

// A second subscription of a title (another faculty) adds only its vorlen row.
inline void addSubscription(data::Database& db, const Subscription& s) {
    db.exec(
        "INSERT INTO vorlen1 SELECT ?1, ?2, ?2, '', '', '', '01/01/1990', '1234-5678', '01', '01',"
        " '4', '12', ?3 WHERE NOT EXISTS (SELECT 1 FROM vorlen1 WHERE pointer = ?1)",
        {s.pointer, s.name, s.titlePublisher});
    db.exec(
        "INSERT INTO vorlen VALUES (?, ?, '01', ?, '01', '1', ?, ?, ?, '01/01/2007', ?, ?, ?,"
        " '02')",
        {s.pointer, s.department, s.receiveCode, s.price, s.currencyCode, s.rate, s.endPeriod,
         s.orderDate, s.subscriptionPublisher});
}

inline void addIssue(data::Database& db, const QString& pointer, const QString& daily,
                     const QString& description) {
    db.exec(
        "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno, "
        "issueno, descriptionitem) VALUES (?, '01', ?, ?, ?, '2008', '1', ?)",
        {daily + pointer, pointer, daily, daily, description});
}

}  // namespace renewal_test
