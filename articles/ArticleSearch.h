#pragma once

#include <QString>
#include <memory>

namespace data {
class Database;
}

namespace articles {

class ArticleSearchSource;

// What a reader asks for; every part given must hold (they combine).
struct ArticleQuery {
    QString words;   // each space-separated word in a title, keywords or abstract
    QString author;  // part of an author's name
    qint64 heading = 0;
    QString journal;               // a title key (pointer)
    QString journalName;           // part of a journal's name
    int fromYear = 0, toYear = 0;  // of the date; 0 leaves that end open
    bool empty() const {
        return words.trimmed().isEmpty() && author.trimmed().isEmpty() && heading == 0 &&
               journal.trimmed().isEmpty() && journalName.trimmed().isEmpty() && fromYear == 0 &&
               toYear == 0;
    }
};

// Finds articles. A word of three characters or more is looked up in the
// trigram index first (Thai is written without spaces, so words are parts
// of the text, not tokens) and the rows found are compared in full; every
// character typed matches itself.
class ArticleSearch {
  public:
    explicit ArticleSearch(const data::Database& db) : db_(db) {}

    // Every article found, the latest indexed first, read a page at a time.
    std::shared_ptr<ArticleSearchSource> find(const ArticleQuery& q) const;

  private:
    const data::Database& db_;
};

}  // namespace articles
