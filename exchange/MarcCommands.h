#pragma once

#include <QDate>
#include <QString>

class QTextStream;

namespace exchange {

// `periodicals --export-marc FILE [--format iso2709|marcxml] [--articles]`:
// every title of the desk at the location as a MARC 21 serial record, and
// with --articles every indexed article after them. Returns the exit code.
int exportMarcCommand(const QString& location, const QString& file, const QString& format,
                      bool withArticles, QDate today, QTextStream& out);

// `periodicals --import-marc FILE`: prints what the import does, then writes
// it in one transaction. Returns the exit code.
int importMarcCommand(const QString& location, const QString& file, QTextStream& out);

}  // namespace exchange
