#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace exchange {

// One query of the combined search; every part given must hold.
struct CatalogueQuery {
    QString words;    // title words
    QString author;   // part of an author's name
    QString subject;  // subject words
    QString number;   // an ISSN or ISBN
    bool empty() const {
        return words.trimmed().isEmpty() && author.trimmed().isEmpty() &&
               subject.trimmed().isEmpty() && number.trimmed().isEmpty();
    }
};

// A record of a library catalogue as the list shows it.
struct CatalogueHit {
    QString title, author, issn, isbn, year;
    bool serial = false;
};

// What one server said: its records, or why none (in Thai).
struct ServerAnswer {
    QString server;
    std::vector<CatalogueHit> hits;
    QString problem;
};

// The query in Bib-1 prefix form: title (4), author (1003), subject (21),
// ISSN (8) or ISBN (7) by the number's length; words match in part, so Thai
// run together finds its pieces.
QString prefixQuery(const CatalogueQuery& q);

// The same query in CQL for an SRU server: dc.title, dc.creator, dc.subject
// with a star on each side of every word, bath.issn or bath.isbn.
QString contextQuery(const CatalogueQuery& q);

// Asks every server at once with YAZ's ZOOM: a Z39.50 target as
// "host:port/database" or "unix:/path", an SRU address as "http(s)://...".
// A server that has not answered within `timeoutSeconds` is given up; the
// answers come in the order of `servers`. Blocks: the window calls it off its
// own thread.
std::vector<ServerAnswer> askCatalogues(const QStringList& servers, const CatalogueQuery& q,
                                        int timeoutSeconds = 5);

// The ISSN or ISBN with only its digits and X, for comparing.
QString bareNumber(const QString& number);

}  // namespace exchange
