#pragma once

#include <QDate>
#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

#include "ui/PickList.h"
#include "ui/RowSource.h"

namespace data {
class Database;
}

namespace renewal {

// One subscription of the expiry list, with its title's latest issue. A
// title subscribed by several faculties has one per faculty, told apart by
// the subscription row's id.
struct ExpiringSubscription {
    QString pointer, name, pricePerYear, exchangeRate, orderDate, endPeriod;
    QString publisherName, currencyDescription, latestIssue;
    QString departmentName;
    qint64 subscription = 0;
    QString currencyCode;  // the stored code: two currencies may share a name
};

// Which titles the list takes: journals (keys I, J), newspapers (K, L) or both.
enum class Kind { Journals, Newspapers, Both };

// The five values a renewal writes into a subscription row, as stored.
struct RenewalValues {
    QString pricePerYear, currencyCode, exchangeRate, endPeriod, orderDate;
};

// Another desk removed what a renewal names (the title, or the currency
// chosen): nothing was written. The message is for the user.
class RenewalRefused : public std::runtime_error {
  public:
    explicit RenewalRefused(const QString& thai)
        : std::runtime_error("renewal refused"), thai_(thai) {}
    QString thaiMessage() const { return thai_; }

  private:
    QString thai_;
};

// The reads and the one write of the expiry window: subscriptions by the end
// of their period, the currency list and the renewal of a subscription.
class ExpiryRecords {
  public:
    explicit ExpiryRecords(data::Database& db) : db_(db) {}

    // Every subscription of that kind received under status "1" whose period
    // ends from `first` to `last` inclusive, earliest end first, each with
    // the latest issue its faculty received. An agent,
    // currency or faculty code without its row leaves that name empty.
    std::vector<ExpiringSubscription> expiring(Kind kind, QDate first, QDate last) const;
    // The same subscriptions as the window lists them, a page at a time.
    std::shared_ptr<ui::RowSource> expiringRows(Kind kind, QDate first, QDate last) const;
    // The currency code stored in a subscription row; empty when it is gone.
    QString currencyCode(qint64 subscription) const;
    std::vector<ui::PickRow> currencies() const;
    // Writes the values into that one subscription row; false when it is
    // gone. Inside the write its title and the currency are looked for
    // again (RenewalRefused when either is gone).
    bool renew(qint64 subscription, const RenewalValues& values);

  private:
    data::Database& db_;
};

}  // namespace renewal
