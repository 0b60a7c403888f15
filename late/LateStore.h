#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "patterns/LateReach.h"

namespace data {
class Database;
}

namespace late {

// Keeps the stored late issues the list reads (see data/LateSchema.h): the
// subscriptions a change marked stale, and those whose next issue is now
// predicted, are worked out again; all of them when the marks reach every
// row, when too many are stale to be worth it one by one, or when the day
// is earlier than the one they were worked out on.
//
// A subscription is live when it is received under status "1" and its period
// covers the day. The next issue of a title without a pattern is expected the
// frequency's interval after the later of the latest issue received for that
// faculty and the start of the period, and is late once the grace has passed
// as well; a frequency without an interval is never late. A patterned title's
// issues are those its pattern predicts from the start of the period on that
// are neither registered nor marked as not coming. An issue the desk gave up
// after its final claim is no longer listed.
class LateStore {
  public:
    // Every row is worked out `rangeSubscriptions` subscriptions' titles at
    // a time, so that what is held at once stays small however long the
    // collection.
    explicit LateStore(data::Database& db, int rangeSubscriptions = 20000)
        : db_(db), rangeSubscriptions_(rangeSubscriptions) {}

    // Brings the rows up to `today`, in one transaction when any need it.
    void refresh(QDate today);

  private:
    // The day the rows were last worked out on, none before the first time.
    std::optional<qint64> computedOn() const;
    bool needed(qint64 day, std::optional<qint64> computedOn) const;
    // Fills the scope with the subscriptions to work out again; false when
    // they are too many and every row is worked out instead.
    bool scope(qint64 day);
    // The title key that ends the range of about a set number of
    // subscriptions starting at `from`; null when they reach the last.
    QString rangeEnd(const QString& from) const;
    void work(QDate today, const patterns::LateReach& reach);

    data::Database& db_;
    const int rangeSubscriptions_;
};

}  // namespace late
