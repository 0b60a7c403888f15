#pragma once

#include <QString>
#include <QStringList>

namespace articles {

// What a citation is made of, as the records hold it.
struct CitationParts {
    QStringList authors;  // in the article's order, each as entered
    QString title;
    QString journal;
    QString volume;  // the issue's year number (ปีที่)
    QString issue;   // its number (ฉบับที่)
    int month = 0;   // 0 when the issue's date is not known
    int year = 0;
    QString pages;
};

// The authors as a citation joins them: one; two with "และ"; three; more
// than three as the first and "และคนอื่น ๆ". Names without Thai letters
// are joined the English way ("and", "et al.").
QString authorLine(const QStringList& authors);

// The one form of every citation of the index:
//   author. title. journal ปีที่ X ฉบับที่ Y (month year): pages.
// A part that is missing is left out with its words and marks.
QString citation(const CitationParts& parts);

// The month's Thai name, as the citations print it.
QString thaiMonth(int month);

}  // namespace articles
