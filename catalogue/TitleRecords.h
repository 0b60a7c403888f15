#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

namespace data {
class Database;
}

namespace catalogue {

// A title's values as the title window holds them, before the storing rules.
struct TitleValues {
    QString pointer;  // the key, as shown
    // vorlen1
    QString name, compareName, oldName, shortName;
    QString firstYearPrinted, issn, languageCode, magtypeCode;
    QString numberPerVolume, volumePerYear, publisherCode;
    // vorlen
    QString departmentCode, bindTypeCode, receiveCode, bindColorCode;
    QString copyPerYear, pricePerYear, currencyCode, exchangeRate;
    QString beginPeriod, endPeriod, orderDate, agentCode, statusCode;
    // typeclass
    QString typeCode;
};

// A key series that cannot give a key; the message is for the user.
class KeySeriesError : public std::runtime_error {
  public:
    explicit KeySeriesError(const QString& thai)
        : std::runtime_error(thai.toStdString()), thai_(thai) {}
    QString thaiMessage() const { return thai_; }

  private:
    QString thai_;
};

// An edit of a key that has no title row.
class TitleNotFound : public std::runtime_error {
  public:
    explicit TitleNotFound(const QString& table)
        : std::runtime_error(("no title row in " + table).toStdString()) {}
};

// The three rows of a title (vorlen1, vorlen, typeclass) and the key series of
// recsetup. Every command writes in one transaction: all of it or nothing.
class TitleRecords {
  public:
    explicit TitleRecords(data::Database& db) : db_(db) {}

    // Series 1 to 4: journal or newspaper, language "01" or any other.
    static int seriesFor(bool journal, const QString& languageCode);

    // Runs inside a save's transaction before anything is written; what it
    // raises stops the save with nothing written.
    using InsideCheck = std::function<void()>;

    // Takes the next key of the series and writes the three rows under it.
    // Returns the key. Raises KeySeriesError or data::DbError; then nothing is
    // written and the series stays where it was.
    QString addTitle(int series, const TitleValues& values, const InsideCheck& check = {});
    // Rewrites the first row of each table for values.pointer; a missing
    // subscription or subject row is written anew, so the title is whole
    // again. Raises TitleNotFound when the title row itself is missing;
    // nothing is written then.
    void editTitle(const TitleValues& values, const InsideCheck& check = {});
    // Deletes every row of the key in the three tables; false when none had
    // one. Registered issues stay in the register.
    bool deleteTitle(const QString& key);

    // What a delete of the title takes with it, and what it leaves.
    struct Holdings {
        int subscriptions = 0;
        int issues = 0;  // registered issues, which the delete keeps
    };
    Holdings holdings(const QString& key) const;

  private:
    QString updatepointer(int series);
    void insertRows(const TitleValues& values);
    void insertVorlen(const TitleValues& values);
    void insertTypeclass(const TitleValues& values);

    data::Database& db_;
};

}  // namespace catalogue
