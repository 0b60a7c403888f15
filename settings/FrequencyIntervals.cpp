#include "settings/FrequencyIntervals.h"

#include "data/Database.h"
#include "data/Schema.h"

namespace settings {

std::optional<Interval> FrequencyIntervals::of(const QString& code) const {
    const auto row =
        db_.first("SELECT * FROM magtype_interval WHERE MagType_Code = ?", {code.trimmed()});
    if (!row)
        return std::nullopt;
    return Interval{row->value(data::magtype_interval::interval_days).toInt(),
                    row->value(data::magtype_interval::grace_days).toInt()};
}

FrequencyIntervals::Outcome FrequencyIntervals::set(const QString& code,
                                                    const std::optional<Interval>& interval) {
    if (interval && (interval->days < 1 || interval->grace < 0))
        return Outcome::Invalid;
    // Another desk may have deleted the frequency since it was shown.
    data::Transaction tx(db_);
    if (!db_.first("SELECT 1 FROM magtype WHERE trim(MagType_Code) = ? LIMIT 1", {code.trimmed()}))
        return Outcome::Missing;
    if (interval)
        db_.exec(
            "INSERT INTO magtype_interval VALUES (?, ?, ?) ON CONFLICT (MagType_Code)"
            " DO UPDATE SET interval_days = excluded.interval_days,"
            " grace_days = excluded.grace_days",
            {code.trimmed(), interval->days, interval->grace});
    else
        db_.exec("DELETE FROM magtype_interval WHERE MagType_Code = ?", {code.trimmed()});
    tx.commit();
    return Outcome::Done;
}

}  // namespace settings
