#pragma once

#include <QHash>
#include <QPair>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "patterns/ExpectedIssues.h"
#include "patterns/LateReach.h"
#include "patterns/PublicationPattern.h"

namespace data {
class Database;
}

namespace patterns {

// A title's pattern as stored, with whether the title has ceased.
struct StoredPattern {
    PublicationPattern pattern;
    bool ceased = false;
};

// What the pattern window shows of a title.
struct TitleFacts {
    QString pointer, name, magtypeCode, numberPerVolume, volumePerYear;
};

// A subscription: the trimmed title key and faculty code.
using SubscriptionKey = QPair<QString, QString>;

// A registered issue as a proposal reads it: its date and typed numbers.
struct DatedIssue {
    QDate daily;
    QString yearno, issueno;
};

// The publication patterns of titles, the marks on expected issues and the
// desk's choice of era. Registered issues are read here only for their
// numbers; the register itself writes them.
class PatternRecords {
  public:
    explicit PatternRecords(data::Database& db) : db_(db), writable_(&db) {}
    // Reads only: every writer refuses.
    explicit PatternRecords(const data::Database& db) : db_(db) {}

    std::optional<TitleFacts> title(const QString& pointer) const;
    std::optional<StoredPattern> pattern(const QString& pointer) const;
    // The patterns of the titles reached, by the UTF-8 bytes of the trimmed
    // key, for lists that look titles up as they read them.
    QHash<QByteArray, StoredPattern> patterns(const LateReach& reach) const;
    void save(const QString& pointer, const StoredPattern& stored);
    // Several titles' patterns in one transaction.
    void saveAll(const std::vector<std::pair<QString, StoredPattern>>& patterns);
    std::vector<TitleFacts> titlesWithoutPattern() const;
    // Every registered issue, by trimmed title key.
    QHash<QString, std::vector<DatedIssue>> datedIssues() const;
    void remove(const QString& pointer);
    // The pattern and the marks of the title's expected issues, when the
    // title itself goes (within the caller's transaction).
    void removeTitle(const QString& pointer);

    std::vector<RegisteredNumbers> registered(const QString& pointer,
                                              const QString& departmentCode) const;
    std::vector<IssueMark> marks(const QString& pointer, const QString& departmentCode) const;
    // The registered issues of the titles reached that have a live pattern,
    // from the pattern's known year number on, handed over one at a time: an
    // issue of an earlier volume cannot be one that the pattern predicts.
    void forEachRegisteredOfPatterns(
        const std::function<void(const SubscriptionKey&, RegisteredNumbers&&)>& take,
        const LateReach& reach) const;
    // The marks of the subscriptions reached.
    QHash<SubscriptionKey, std::vector<IssueMark>> marks(const LateReach& reach) const;
    // Marks the issues of one subscription, in one transaction.
    void mark(const QString& pointer, const QString& departmentCode,
              const std::vector<PredictedIssue>& issues, IssueStatus status, QDate today);
    // The same inside the caller's transaction, by volume and issue number.
    void writeMarks(const QString& pointer, const QString& departmentCode,
                    const std::vector<std::pair<int, int>>& numbers, IssueStatus status,
                    QDate today);

    Era era() const;
    void setEra(Era era);

    // The expected issues of a subscription; empty when its title has no
    // pattern.
    std::vector<ExpectedIssue> expected(const QString& pointer, const QString& departmentCode,
                                        QDate today) const;

  private:
    data::Database& writable() const;

    const data::Database& db_;
    data::Database* writable_ = nullptr;
};

}  // namespace patterns
