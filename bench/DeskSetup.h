#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ui/qt/QtPrinting.h"

class PlainSqlite;

namespace data {
class Database;
}

// A name no generated title has, given to the title with 500 issues.
extern const QString kBenchTitle;

// Gives one title 500 registered issues under kBenchTitle; its key.
QString prepareBenchTitle(data::Database& db);

// The end of a range of end dates from `from` holding about a thousand
// journal subscriptions.
QString rangeEndForThousand(PlainSqlite& plain, const QString& from);

// Parts of title names as a clerk types them (the name without its number),
// a different one for every repeat, the ISSNs of other titles and the
// barcodes printed on their issues.
struct Inputs {
    QStringList words, issns, barcodes;
};
Inputs benchInputs(data::Database& db, int count);

// Printing goes to a PDF file: there is no printer on the bench.
class PdfPrinting : public ui::qt::QtPrinting {
  public:
    explicit PdfPrinting(QString path) : path_(std::move(path)) {}
    bool hasDefaultPrinter() override { return false; }
    std::optional<QString> askPdfPath(const QString&) override { return path_; }

  private:
    QString path_;
};
