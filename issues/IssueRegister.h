#pragma once

#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

namespace data {
class Database;
}

namespace issues {

// One registered issue, in the column order of tranfile.
struct IssueRow {
    QString magno;
    QString departmentCode;
    QString pointer;
    QString receivedate;
    QString daily;
    QString yearno;
    QString issueno;
    QString descriptionitem;
};

// A registered issue with its place in the register, which orders issues of
// the same date.
struct ListedIssue {
    IssueRow row;
    qint64 rowid = 0;
};

// The five columns an edit may rewrite.
struct IssueChanges {
    QString receivedate;
    QString daily;
    QString yearno;
    QString issueno;
    QString descriptionitem;
};

// The counter holds no number, or one that cannot grow any further: no new
// registration can be given a number of its own.
class CounterExhausted : public std::runtime_error {
  public:
    explicit CounterExhausted(const QString& counter)
        : std::runtime_error("registration counter cannot advance"), counter_(counter) {}
    QString counter() const { return counter_; }

  private:
    QString counter_;
};

// Another desk changed what a save relies on since the entry began: nothing
// was written.
class RegisterChanged : public std::runtime_error {
  public:
    enum class What { TitleGone, SubscriptionGone, IssueGone };
    explicit RegisterChanged(What what)
        : std::runtime_error("register changed meanwhile"), what_(what) {}
    What change() const { return what_; }

  private:
    What what_;
};

// The register of received issues (tranfile) and its number counter
// (jourctrl). Numbers and keys are matched on their trimmed values, since
// stored ones may carry spaces.
class IssueRegister {
  public:
    explicit IssueRegister(data::Database& db) : db_(db) {}

    // The counter after `number`: its leading number plus one, as plain digits;
    // none when the number has no leading digits or is the greatest one the
    // counter can hold.
    static std::optional<QString> advancedNumber(const QString& number);

    // The number the next registration will get. Reserves nothing.
    QString nextNumber() const;
    // Writes the issue and advances the counter in one transaction. Inside
    // it the counter is read again (when another program has taken the
    // offered number meanwhile, the issue gets the counter's current number,
    // or the first after it that no issue holds), and the title and its
    // subscription are looked for (RegisterChanged when either is gone).
    // Returns the number the issue was stored under. Raises CounterExhausted,
    // writing nothing, when the counter cannot advance past that number.
    QString addIssue(const IssueRow& issue);
    // Rewrites the date, number and description columns of the first row with
    // this number; false when there is none, RegisterChanged when its title
    // is gone.
    bool updateIssue(const QString& magno, const IssueChanges& changes);
    // Deletes the first row with this number; false when there is none.
    bool deleteIssue(const QString& magno);
    // The issues of a title, latest issue date first; rows whose date is empty
    // or unreadable come last.
    std::vector<IssueRow> issuesOf(const QString& pointer) const;
    // The same, each with its place in the register; at most `limit` of them
    // (-1: all) from `offset` on.
    std::vector<ListedIssue> listedIssuesOf(const QString& pointer, int offset = 0,
                                            int limit = -1) const;
    int issueCount(const QString& pointer) const;
    // How many issues of its title come before this stored one in that order.
    int placeOf(const ListedIssue& issue) const;
    // The same and how many issues its title has, in one read.
    struct Standing {
        int before = 0;
        int issues = 0;
    };
    Standing standingOf(const ListedIssue& issue) const;
    // The first row with this number, the one an edit rewrites; none when
    // there is none.
    std::optional<ListedIssue> listedIssue(const QString& magno) const;

  private:
    data::Database& db_;
};

}  // namespace issues
