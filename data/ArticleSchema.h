#pragma once

#include <QByteArray>
#include <QStringList>

namespace data {

class Database;

// The tables of the article index, their column order (rows are read by
// position) and their search indexes.
namespace article {  // one indexed article of a registered issue (tranfile.magno)
constexpr int article_id = 0, magno = 1, title = 2, other_title = 3, pages = 4, first_page = 5,
              language_code = 6, keywords = 7, notes = 8, abstract = 9, indexed_on = 10,
              lead_name = 11, count = 12;
}
namespace author {  // one row per person or body; corporate is 1 for a body
constexpr int author_id = 0, author_name = 1, corporate = 2, count = 3;
}
namespace heading {  // a subject heading and its Thai form
constexpr int heading_id = 0, heading_text = 1, thai_heading = 2, count = 3;
}

// The tables in the order they are made (a copy to a server takes them all).
QStringList articleTableNames();
// The statements that make them, for reading their columns.
QStringList articleTableStatements();
// Makes the tables and indexes: on the file the words of an article's
// titles, keywords and abstract go into an FTS5 trigram index kept by
// triggers; on the server pg_trgm indexes the same columns.
void createArticleTables(Database& db);

// The found articles' orders, each as its keys before the article's own
// (`alias` is the table's name with its dot, or empty): a citation by the
// name it begins with (lead_name: its first author's, else its title) and
// then its title, in Thai order; an issue's registration number by value,
// a shorter number being a smaller one. Indexes on the same keys page
// through either order.
struct OrderKeys {
    QByteArray first, second;
};
OrderKeys citationOrderKeys(const QByteArray& alias);
OrderKeys magnoOrderKeys(const QByteArray& alias);
// The statement that sets lead_name of the articles `which` (a condition on
// article) from their authors: the records run it whenever an article's
// authors, their names or its title change.
QByteArray refreshLeadNames(const QByteArray& which);
// Adds lead_name to the articles of an older database, fills it, and makes
// the order indexes.
void createCitationOrder(Database& db);

}  // namespace data
