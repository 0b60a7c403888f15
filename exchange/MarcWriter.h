#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

#include "exchange/ExchangeRecords.h"

namespace exchange {

enum class MarcFormat { Iso2709, MarcXml };

// Writes titles as MARC 21 serial records in UTF-8, one file's content at a
// time; MARCXML gets its collection element around the records.
class MarcWriter {
  public:
    MarcWriter(MarcFormat format, QDate today);
    ~MarcWriter();
    MarcWriter(const MarcWriter&) = delete;
    MarcWriter& operator=(const MarcWriter&) = delete;

    void add(const CatalogueTitle& title);
    // An analytic record whose 773 links it to its host title and issue.
    void addArticle(const CatalogueArticle& article);
    // The file's content with every record added so far.
    QByteArray finish();

  private:
    struct Handle;
    Handle* handle_;
    QDate today_;
};

// Writes the titles, then the articles, to the file; returns how many
// records. Raises ExchangeError (Thai) when the file cannot be written.
int exportMarc(const std::vector<CatalogueTitle>& titles,
               const std::vector<CatalogueArticle>& articles, const QString& file,
               MarcFormat format, QDate today);

// What an export wrote, in Thai, up to the file's name.
QString exportSummary(std::size_t titles, std::size_t articles, bool withArticles);

}  // namespace exchange
