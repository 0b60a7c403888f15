#pragma once

#include <QString>
#include <vector>

#include "catalogue/TitleRecords.h"
#include "exchange/MarcReader.h"

namespace data {
class Database;
}

namespace exchange {

// A serial record that becomes a title.
struct ImportedTitle {
    catalogue::TitleValues values;
    bool newspaper = false;
    int series() const;
};

// A serial record left out because the desk (or an earlier record of the
// file) already has its ISSN or name.
struct SkippedTitle {
    QString name, issn;
    QString existingKey;  // empty when an earlier record of the file has it
};

// What an import will do, shown before anything is written.
struct ImportPlan {
    std::vector<ImportedTitle> titles;
    std::vector<SkippedTitle> skipped;
    int otherRecords = 0;  // books and other non-serial records
};

ImportPlan planImport(const std::vector<MarcRecord>& records, data::Database& db);

// Writes the planned titles in one transaction, checking again inside it that
// none has come to the desk meanwhile (such a one is skipped then). Returns
// the keys given, in the plan's order. Raises catalogue::KeySeriesError or
// data::DbError; then nothing is written.
std::vector<QString> applyImport(const ImportPlan& plan, data::Database& db);

}  // namespace exchange
