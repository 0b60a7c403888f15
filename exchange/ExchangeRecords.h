#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace data {
class Database;
}

namespace exchange {

// What one subscription holds, for 866; the faculty is named only when the
// title has several.
struct CatalogueHoldings {
    QString statement, faculty;
};

// A title as the library's catalogue is told of it: the stored values with
// the code tables' descriptions beside them.
struct CatalogueTitle {
    QString key, name, compareName, oldName, shortName;
    QString issn, languageCode, languageName, frequencyName, publisherName;
    QString firstYearPrinted;
    // The subscriptions that hold something, as the holdings statement says.
    std::vector<CatalogueHoldings> holdings;
};

// An indexed article as the catalogue's analytic record tells of it, with
// the title and issue it appeared in.
struct CatalogueArticle {
    qint64 id = 0;
    QString title, otherTitle, pages, languageCode, abstract;
    QStringList keywords;
    std::vector<std::pair<QString, bool>> authors;  // name, corporate; in order
    QStringList headings;
    QDate indexedOn;
    QString hostKey, hostTitle, hostIssn;
    QString volume, issue, issueDate;  // the issue's date as the register keeps it
};

// The rows the exchange of records reads: every title for the export, the
// names and ISSNs that an import must not repeat.
class ExchangeRecords {
  public:
    explicit ExchangeRecords(data::Database& db) : db_(db) {}

    std::vector<CatalogueTitle> titles() const;
    // The same with what each subscription holds by `today`.
    std::vector<CatalogueTitle> titlesWithHoldings(QDate today) const;
    // Every article of the index with its host among `titles`.
    std::vector<CatalogueArticle> articles(const std::vector<CatalogueTitle>& titles) const;
    // The key of a title whose ISSN (when given) or name is the one given.
    std::optional<QString> existingTitle(const QString& issn, const QString& name) const;
    // The desk's code of a language by its Thai description.
    std::optional<QString> languageCode(const QString& thaiName) const;
    // The desk's code of a frequency by its Thai description.
    std::optional<QString> frequencyCode(const QString& thaiName) const;

  private:
    data::Database& db_;
};

}  // namespace exchange
