#include "data/ArticleSchema.h"

#include <QRegularExpression>

#include "data/Database.h"
#include "data/PgSchema.h"
#include "data/ThaiSortKey.h"

namespace data {

namespace {

// Every statement may run again (a step that stopped halfway runs again).
// The keys are given by the program (the next free number inside the
// saving transaction), so a copy to the server keeps every reference.
const char* const kTables[] = {
    "CREATE TABLE IF NOT EXISTS article (article_id INTEGER PRIMARY KEY, magno TEXT, title TEXT,"
    " other_title TEXT, pages TEXT, first_page INTEGER, language_code TEXT, keywords TEXT,"
    " notes TEXT, abstract TEXT, indexed_on TEXT, lead_name TEXT)",
    "CREATE TABLE IF NOT EXISTS author (author_id INTEGER PRIMARY KEY, author_name TEXT, corporate "
    "INTEGER)",
    "CREATE TABLE IF NOT EXISTS article_author (article_id INTEGER, position INTEGER, author_id "
    "INTEGER)",
    "CREATE TABLE IF NOT EXISTS heading (heading_id INTEGER PRIMARY KEY, heading_text TEXT,"
    " thai_heading TEXT)",
    "CREATE TABLE IF NOT EXISTS heading_see_also (heading_id INTEGER, see_also_id INTEGER)",
    "CREATE TABLE IF NOT EXISTS article_heading (article_id INTEGER, position INTEGER, heading_id "
    "INTEGER)",
    // A card that has been printed, by article and card ("main", "title",
    // or "heading:<id>"); a card without a row is new.
    "CREATE TABLE IF NOT EXISTS index_card (article_id INTEGER, card_key TEXT, printed_on TEXT)",
};

const char* const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS article_magno ON article (magno)",
    "CREATE INDEX IF NOT EXISTS article_indexed_on ON article (indexed_on)",
    "CREATE INDEX IF NOT EXISTS article_author_article ON article_author (article_id)",
    "CREATE INDEX IF NOT EXISTS article_author_author ON article_author (author_id)",
    "CREATE INDEX IF NOT EXISTS article_heading_article ON article_heading (article_id)",
    "CREATE INDEX IF NOT EXISTS article_heading_heading ON article_heading (heading_id)",
    "CREATE INDEX IF NOT EXISTS heading_see_also_heading ON heading_see_also (heading_id)",
    "CREATE INDEX IF NOT EXISTS index_card_article ON index_card (article_id)",
};

const char* const kSqliteText[] = {
    "CREATE VIRTUAL TABLE IF NOT EXISTS article_words USING fts5(title, other_title, keywords, "
    "abstract,"
    " content='article', content_rowid='article_id', tokenize='trigram')",
    "CREATE TRIGGER IF NOT EXISTS article_words_insert AFTER INSERT ON article BEGIN"
    " INSERT INTO article_words (rowid, title, other_title, keywords, abstract)"
    " VALUES (new.article_id, new.title, new.other_title, new.keywords, new.abstract); END",
    "CREATE TRIGGER IF NOT EXISTS article_words_delete AFTER DELETE ON article BEGIN"
    " INSERT INTO article_words (article_words, rowid, title, other_title, keywords, abstract)"
    " VALUES ('delete', old.article_id, old.title, old.other_title, old.keywords, old.abstract);"
    " END",
    "CREATE TRIGGER IF NOT EXISTS article_words_update AFTER UPDATE ON article BEGIN"
    " INSERT INTO article_words (article_words, rowid, title, other_title, keywords, abstract)"
    " VALUES ('delete', old.article_id, old.title, old.other_title, old.keywords, old.abstract);"
    " INSERT INTO article_words (rowid, title, other_title, keywords, abstract)"
    " VALUES (new.article_id, new.title, new.other_title, new.keywords, new.abstract); END",
    "CREATE VIRTUAL TABLE IF NOT EXISTS author_names USING fts5(author_name, content='author',"
    " content_rowid='author_id', tokenize='trigram')",
    "CREATE TRIGGER IF NOT EXISTS author_names_insert AFTER INSERT ON author BEGIN"
    " INSERT INTO author_names (rowid, author_name) VALUES (new.author_id, new.author_name); END",
    "CREATE TRIGGER IF NOT EXISTS author_names_delete AFTER DELETE ON author BEGIN"
    " INSERT INTO author_names (author_names, rowid, author_name)"
    " VALUES ('delete', old.author_id, old.author_name); END",
    "CREATE TRIGGER IF NOT EXISTS author_names_update AFTER UPDATE ON author BEGIN"
    " INSERT INTO author_names (author_names, rowid, author_name)"
    " VALUES ('delete', old.author_id, old.author_name);"
    " INSERT INTO author_names (rowid, author_name) VALUES (new.author_id, new.author_name); END",
};

// An issue's articles go when the last registration with its number does,
// in the statement that deletes it, whichever program deletes it.
const char* const kSqliteIssueGone =
    "CREATE TRIGGER IF NOT EXISTS tranfile_articles_delete AFTER DELETE ON tranfile WHEN NOT EXISTS"
    " (SELECT 1 FROM tranfile WHERE trim(magno) = trim(old.magno)) BEGIN"
    " DELETE FROM article_author WHERE article_id IN"
    " (SELECT article_id FROM article WHERE magno = trim(old.magno));"
    " DELETE FROM article_heading WHERE article_id IN"
    " (SELECT article_id FROM article WHERE magno = trim(old.magno));"
    " DELETE FROM index_card WHERE article_id IN"
    " (SELECT article_id FROM article WHERE magno = trim(old.magno));"
    " DELETE FROM article WHERE magno = trim(old.magno); END";

const char* const kPostgresIssueGone[] = {
    "CREATE OR REPLACE FUNCTION tranfile_drops_articles() RETURNS trigger LANGUAGE plpgsql AS "
    "$$BEGIN"
    " IF NOT EXISTS (SELECT 1 FROM tranfile WHERE trim(magno) = trim(OLD.magno)) THEN"
    " DELETE FROM article_author WHERE article_id IN"
    " (SELECT article_id FROM article WHERE magno = trim(OLD.magno));"
    " DELETE FROM article_heading WHERE article_id IN"
    " (SELECT article_id FROM article WHERE magno = trim(OLD.magno));"
    " DELETE FROM index_card WHERE article_id IN"
    " (SELECT article_id FROM article WHERE magno = trim(OLD.magno));"
    " DELETE FROM article WHERE magno = trim(OLD.magno); END IF; RETURN NULL; END$$",
    "DROP TRIGGER IF EXISTS tranfile_articles ON tranfile",
    ("CREATE TRIGGER tranfile_articles AFTER DELETE ON tranfile FOR EACH ROW"
     " EXECUTE FUNCTION tranfile_drops_articles()"),
};

const char* const kPostgresText[] = {
    "CREATE INDEX IF NOT EXISTS article_title_trgm ON article USING gin (title gin_trgm_ops)",
    ("CREATE INDEX IF NOT EXISTS article_other_title_trgm ON article USING gin (other_title "
     "gin_trgm_ops)"),
    "CREATE INDEX IF NOT EXISTS article_keywords_trgm ON article USING gin (keywords gin_trgm_ops)",
    "CREATE INDEX IF NOT EXISTS article_abstract_trgm ON article USING gin (abstract gin_trgm_ops)",
    "CREATE INDEX IF NOT EXISTS author_name_trgm ON author USING gin (author_name gin_trgm_ops)",
};

// The indexes the found articles are paged through in their orders.
void createOrderIndexes(Database& db) {
    const auto create = [&db](const char* name, const OrderKeys& keys) {
        db.exec(("CREATE INDEX IF NOT EXISTS " + QByteArray(name) + " ON article (" + keys.first +
                 ", " + keys.second + ", article_id)")
                    .constData());
    };
    create("article_citation_order", citationOrderKeys({}));
    create("article_magno_order", magnoOrderKeys({}));
}

}  // namespace

OrderKeys citationOrderKeys(const QByteArray& alias) {
    const QByteArray lead = "coalesce(" + alias + "lead_name, '')";
    const QByteArray title = "coalesce(" + alias + "title, '')";
    return {thaiSortKey(lead.constData()), thaiSortKey(title.constData())};
}

OrderKeys magnoOrderKeys(const QByteArray& alias) {
    const QByteArray magno = "coalesce(" + alias + "magno, '')";
    return {"length(" + magno + ")", magno};
}

QByteArray refreshLeadNames(const QByteArray& which) {
    return "UPDATE article SET lead_name = coalesce((SELECT w.author_name FROM article_author u"
           " JOIN author w ON w.author_id = u.author_id WHERE u.article_id = article.article_id"
           " ORDER BY u.position LIMIT 1), title) WHERE " +
           which;
}

void createCitationOrder(Database& db) {
    const char* present =
        db.isPostgres() ? "SELECT count(*) FROM information_schema.columns WHERE table_schema ="
                          " current_schema() AND table_name = 'article' AND column_name ="
                          " 'lead_name'"
                        : "SELECT count(*) FROM pragma_table_info('article') WHERE name ="
                          " 'lead_name'";
    if (db.first(present)->value(0).toInt() == 0)
        db.exec(db.isPostgres() ? "ALTER TABLE article ADD COLUMN lead_name text COLLATE \"C\""
                                : "ALTER TABLE article ADD COLUMN lead_name TEXT");
    db.exec(refreshLeadNames("1 = 1").constData());
    createOrderIndexes(db);
}

QStringList articleTableNames() {
    QStringList names;
    static const QRegularExpression name(QStringLiteral("^CREATE TABLE IF NOT EXISTS (\\w+)"));
    for (const char* sql : kTables)
        names << name.match(QLatin1String(sql)).captured(1);
    return names;
}

QStringList articleTableStatements() {
    QStringList statements;
    for (const char* sql : kTables)
        if (QLatin1String(sql).startsWith(QLatin1String("CREATE TABLE")))
            statements << QString::fromLatin1(sql);
    return statements;
}

void createArticleTables(Database& db) {
    const bool server = db.isPostgres();
    for (const char* sql : kTables)
        db.exec(server ? postgresTable(sql).constData() : sql);
    for (const char* sql : kIndexes)
        db.exec(sql);
    createOrderIndexes(db);
    if (server) {
        for (const char* sql : kPostgresText)
            db.exec(sql);
        for (const char* sql : kPostgresIssueGone)
            db.exec(sql);
        return;
    }
    for (const char* sql : kSqliteText)
        db.exec(sql);
    db.exec(kSqliteIssueGone);
}

}  // namespace data
