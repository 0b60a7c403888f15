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
    // The file's content with every record added so far.
    QByteArray finish();

  private:
    struct Handle;
    Handle* handle_;
    QDate today_;
};

// Writes every title of the desk to the file; returns how many. Raises
// ExchangeError (Thai) when the file cannot be written.
int exportMarc(const std::vector<CatalogueTitle>& titles, const QString& file, MarcFormat format,
               QDate today);

}  // namespace exchange
