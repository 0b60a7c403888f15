#include "late/LateList.h"

#include <algorithm>
#include <stdexcept>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/SortableDate.h"
#include "patterns/PublicationPattern.h"
#include "ui/PickList.h"
#include "ui/ThaiOrder.h"

namespace late {

namespace {

// Rows whose texts are read together when the whole list is gone through.
constexpr int kPageRows = 500;

const char* const kTextsSql =
    "SELECT vorlen.rowid, vorlen1.pointer, vorlen1.vorlen_name, vorlen.department_code,"
    " vorlen.publisher_code, vorlen1.magtype_code, vorlen1.issn, latest.descriptionitem,"
    " latest.receivedate"
    " FROM vorlen JOIN vorlen1 ON vorlen1.pointer = vorlen.pointer"
    " LEFT JOIN latest_issue AS latest ON latest.pointer = trim(vorlen.pointer)"
    " AND latest.department_code = trim(vorlen.department_code)"
    " WHERE vorlen.rowid IN (";

QString nameOf(const std::vector<std::pair<QString, QString>>& codes, quint16 index) {
    return index < codes.size() ? codes[index].second : QString();
}

// Each code's place when its names are in Thai order.
std::vector<int> nameRanks(const std::vector<std::pair<QString, QString>>& codes) {
    std::vector<QString> names;
    names.reserve(codes.size());
    for (const auto& code : codes)
        names.push_back(code.second);
    const std::vector<std::size_t> byName = ui::thaiOrder(names);
    std::vector<int> rank(codes.size());
    for (std::size_t i = 0; i < byName.size(); ++i)
        rank[byName[i]] = int(i);
    return rank;
}

}  // namespace

LateList::LateList(const data::Database& db, QDate today, LateCodes codes,
                   std::vector<LateEntry> entries, QHash<QString, patterns::ClaimState> claims)
    : db_(&db),
      today_(today),
      codes_(std::move(codes)),
      entries_(std::move(entries)),
      claims_(std::move(claims)) {}

QHash<qint64, LateList::Texts> LateList::readTexts(const std::vector<qint64>& subscriptions) const {
    QHash<qint64, Texts> out;
    constexpr std::size_t kBound = 500;  // values bound in one statement
    for (std::size_t from = 0; from < subscriptions.size(); from += kBound) {
        const std::size_t n = std::min(kBound, subscriptions.size() - from);
        QByteArray sql = kTextsSql;
        QVariantList bound;
        for (std::size_t i = 0; i < n; ++i) {
            sql += i ? ", ?" : "?";
            bound << subscriptions[from + i];
        }
        sql += ')';
        db_->forEach(sql.constData(), bound, [&](data::Row&& row) {
            const qint64 key = row.value(0).toLongLong();
            if (out.contains(key))
                return;
            Texts& t = out[key];
            t.pointer = row.text(1);
            t.name = row.text(2);
            t.departmentCode = row.text(3);
            t.agentCode = row.text(4);
            t.magtypeCode = row.text(5);
            t.issn = row.text(6);
            if (data::readDate(row.text(8))) {
                t.lastIssue = row.text(7);
                t.lastReceived = row.text(8);
            }
        });
    }
    return out;
}

LateTitle LateList::titleOf(const LateEntry& e, const Texts& texts) const {
    LateTitle t;
    t.pointer = texts.pointer;
    t.name = texts.name;
    t.departmentCode = texts.departmentCode;
    t.departmentName = nameOf(codes_.departments, e.department);
    t.agentCode = texts.agentCode;
    t.agentName = nameOf(codes_.agents, e.agent);
    t.frequency = nameOf(codes_.frequencies, e.frequency);
    t.issn = texts.issn;
    t.lastIssue = texts.lastIssue;
    t.lastReceived = texts.lastReceived;
    t.expected = QDate::fromJulianDay(e.expected);
    t.daysLate = int(t.expected.daysTo(today_));
    t.predicted = e.predicted;
    if (e.predicted) {
        patterns::PredictedIssue issue;
        issue.volume = e.volume;
        issue.issue = e.issue;
        issue.lastIssue = e.lastIssue;
        t.volume = e.volume;
        t.number = e.issue;
        t.yearno = QString::number(e.volume);
        t.issueno = issue.issueText();
        t.issue = QStringLiteral("ปีที่ %1 ฉบับที่ %2").arg(e.volume).arg(t.issueno);
    } else {
        t.issue = QStringLiteral("(ไม่มีรูปแบบการออก)");
        t.issueno = t.lastReceived.isEmpty() ? QStringLiteral("ฉบับแรก")
                                             : QStringLiteral("ฉบับถัดจาก ") + t.lastIssue.trimmed();
    }
    if (e.claims > 0)
        t.claim = claims_.value(t.claimKey().text());
    return t;
}

std::vector<LateTitle> LateList::titles(int from, int limit) const {
    keepOrder();
    const int to = std::min(size(), from + std::max(limit, 0));
    std::vector<qint64> keys;
    for (int r = std::max(from, 0); r < to; ++r)
        keys.push_back(entries_[std::size_t(r)].subscription);
    const QHash<qint64, Texts> texts = readTexts(keys);
    std::vector<LateTitle> out;
    out.reserve(keys.size());
    for (int r = std::max(from, 0); r < to; ++r) {
        const LateEntry& e = entries_[std::size_t(r)];
        out.push_back(titleOf(e, texts.value(e.subscription)));
    }
    return out;
}

const LateEntry& LateList::entry(int row) const {
    keepOrder();
    return entries_.at(std::size_t(row));
}

LateTitle LateList::title(int row) const {
    if (row < 0 || row >= size())
        throw std::out_of_range("late list row");
    return titles(row, 1).front();
}

QStringList LateList::cells(const LateTitle& t) const {
    return {t.pointer,
            t.name,
            t.departmentName,
            t.agentName + ui::codeSuffix(t.agentCode),
            t.frequency,
            t.lastIssue,
            t.lastReceived,
            data::writeDate(t.expected),
            QString::number(t.daysLate),
            t.issue,
            patterns::claimHistory(t.claim)};
}

std::vector<QStringList> LateList::rows(int offset, int limit) const {
    std::vector<QStringList> out;
    for (const LateTitle& t : titles(offset, limit))
        out.push_back(cells(t));
    return out;
}

void LateList::forEach(const std::function<void(const LateTitle&)>& each) const {
    for (int from = 0; from < size(); from += kPageRows)
        for (const LateTitle& t : titles(from, kPageRows))
            each(t);
}

QHash<qint64, int> LateList::textRanks(int c) const {
    std::vector<qint64> keys;
    keys.reserve(entries_.size());
    for (const LateEntry& e : entries_)
        keys.push_back(e.subscription);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    const QHash<qint64, Texts> texts = readTexts(keys);
    std::erase_if(keys, [&](qint64 key) { return !texts.contains(key); });
    // Each row's sort value is read once, not at every comparison.
    std::vector<std::size_t> order;
    if (c == column::lastReceived) {
        std::vector<int> days;
        days.reserve(keys.size());
        for (qint64 key : keys)
            days.push_back(data::sortableDay(texts[key].lastReceived));
        order.resize(keys.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return days[a] < days[b]; });
    } else {
        std::vector<QString> values;
        values.reserve(keys.size());
        for (qint64 key : keys) {
            const Texts& t = *texts.constFind(key);
            values.push_back(c == column::name ? t.name : t.lastIssue);
        }
        order = ui::thaiOrder(values);
    }
    QHash<qint64, int> ranks;
    ranks.reserve(qsizetype(keys.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        ranks.insert(keys[order[i]], int(i));
    return ranks;
}

void LateList::sortBy(int column, bool descending) {
    setOrder({column, descending});
    keepOrder();
}

void LateList::keepOrder() const {
    if (order() == sorted_)
        return;
    const int c = order().column;
    const bool descending = order().descending;
    // A rank for each row in the column, from its numbers where it has them.
    std::vector<int> codeRank;
    QHash<qint64, int> textRank;
    if (c == column::department)
        codeRank = nameRanks(codes_.departments);
    else if (c == column::agent)
        codeRank = nameRanks(codes_.agents);
    else if (c == column::frequency)
        codeRank = nameRanks(codes_.frequencies);
    else if (c == column::name || c == column::lastIssue || c == column::lastReceived)
        textRank = textRanks(c);
    const auto key = [&](const LateEntry& e) -> qint64 {
        switch (c) {
            case column::pointer:
                return e.order;
            case column::department:
                return codeRank[e.department];
            case column::agent:
                return codeRank[e.agent];
            case column::frequency:
                return codeRank[e.frequency];
            case column::expected:
                return e.expected;
            case column::daysLate:
                return -qint64(e.expected);
            case column::overdueIssue:
                return (qint64(e.predicted) << 62) + (qint64(e.volume) << 31) + e.issue;
            case column::claims:
                return e.claims;
            default:
                return textRank.value(e.subscription, -1);
        }
    };
    std::stable_sort(entries_.begin(), entries_.end(), [&](const LateEntry& a, const LateEntry& b) {
        const qint64 ka = key(a), kb = key(b);
        if (ka != kb)
            return descending ? ka > kb : ka < kb;
        if (a.expected != b.expected)
            return a.expected < b.expected;
        return a.order < b.order;
    });
    sorted_ = order();
}

}  // namespace late
