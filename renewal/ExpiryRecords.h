#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "ui/PickList.h"

namespace data {
class Database;
}

namespace renewal {

// One subscription of the expiry list, with its title's latest issue.
struct ExpiringSubscription {
    QString pointer, name, pricePerYear, exchangeRate, orderDate, endPeriod;
    QString publisherName, currencyDescription, latestIssue;
};

// The five values a renewal writes into a subscription row, as stored.
struct RenewalValues {
    QString pricePerYear, currencyCode, exchangeRate, endPeriod, orderDate;
};

// The reads and the one write of the expiry window: subscriptions by the end
// of their period, the currency list and the renewal of a subscription.
class ExpiryRecords {
  public:
    explicit ExpiryRecords(data::Database& db) : db_(db) {}

    // Subscriptions of journals (keys I, J) or newspapers (K, L) received
    // under status "1", whose title and subscription name the same publisher
    // and whose currency is known, ending from `first` to `last` inclusive;
    // earliest end first.
    std::vector<ExpiringSubscription> expiring(bool journals, QDate first, QDate last) const;
    std::vector<ui::PickRow> currencies() const;
    // Writes the values into the first subscription row of the key; false
    // when the key has none.
    bool renew(const QString& pointer, const RenewalValues& values);

  private:
    data::Database& db_;
};

}  // namespace renewal
