#pragma once

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>
#include <QTextStream>
#include <functional>
#include <optional>
#include <vector>

#include "ui/PageSurface.h"

namespace data {
class Database;
}

namespace shell {

// What a report is asked for on the command line; a value not given is empty.
struct ReportOptions {
    QDate from, to;
    int year = 0;
    QString faculty, agent;
    QDate today;
};

// One report the command line writes: the same rows as its window, as CSV or
// printed on a page surface (a PDF file). `problem` says in Thai what the
// options lack for this report, empty when they will do. A report that keeps
// what it wrote (the claims) writes its file itself through `write` instead,
// returning its Thai message or throwing as the others do.
struct Report {
    QString name;
    std::function<QString(const ReportOptions&)> problem;
    std::function<QByteArray(data::Database&, const ReportOptions&)> csv;
    std::function<void(data::Database&, const ReportOptions&, ui::PageSurface&)> print;
    std::function<QString(data::Database&, const ReportOptions&, const QString& output)> write;
};

// Every report, in the order the usage lists them.
std::vector<Report> reports();
// The options given beside --report, read; the Thai reason when one is wrong.
std::optional<ReportOptions> reportOptions(const QMap<QString, QString>& given, QDate today,
                                           QString& problem);

// periodicals --report KIND --output FILE.pdf|FILE.csv: the report from the
// store at `location` into the file; 0 when written, 2 with a Thai message
// on `out` otherwise.
int writeReport(const QString& location, const QString& kind, const QMap<QString, QString>& given,
                QDate today, QTextStream& out);

}  // namespace shell
