#pragma once

#include <QString>
#include <QStringList>

namespace testing_support {

// What pdftotext reads from the PDF at `path`, run with `options` ("-raw",
// "-bbox", ...); empty when the tool fails.
QString pdfText(const QString& path, const QStringList& options = {});

// The text without spaces and without the marks above and below a Thai
// letter, which pdftotext gives back only in part (some as the font's
// private shapes, a sara am split in two): compare a PDF's text and the
// expected one both through it.
QString withoutMarks(QString text);

}  // namespace testing_support
