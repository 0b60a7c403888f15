#include "data/NameIndex.h"

#include "data/Database.h"

#include <QStringList>

namespace data {

namespace {

// External-content indexes hold only the trigrams; the names stay in their
// tables. The rows go in and out with the rows of the table they index.
const char* const kStatements[] = {
    "CREATE VIRTUAL TABLE IF NOT EXISTS vorlen1_names USING fts5(vorlen_name, compare_name, "
    "old_name,"
    " shot_name, content='vorlen1', tokenize='trigram')",
    "CREATE TRIGGER IF NOT EXISTS vorlen1_names_insert AFTER INSERT ON vorlen1 BEGIN"
    " INSERT INTO vorlen1_names (rowid, vorlen_name, compare_name, old_name, shot_name)"
    " VALUES (new.rowid, new.vorlen_name, new.compare_name, new.old_name, new.shot_name); END",
    "CREATE TRIGGER IF NOT EXISTS vorlen1_names_delete AFTER DELETE ON vorlen1 BEGIN"
    " INSERT INTO vorlen1_names (vorlen1_names, rowid, vorlen_name, compare_name, old_name,"
    " shot_name) VALUES ('delete', old.rowid, old.vorlen_name, old.compare_name, old.old_name,"
    " old.shot_name); END",
    "CREATE TRIGGER IF NOT EXISTS vorlen1_names_update AFTER UPDATE ON vorlen1 BEGIN"
    " INSERT INTO vorlen1_names (vorlen1_names, rowid, vorlen_name, compare_name, old_name,"
    " shot_name) VALUES ('delete', old.rowid, old.vorlen_name, old.compare_name, old.old_name,"
    " old.shot_name);"
    " INSERT INTO vorlen1_names (rowid, vorlen_name, compare_name, old_name, shot_name)"
    " VALUES (new.rowid, new.vorlen_name, new.compare_name, new.old_name, new.shot_name); END",
    "INSERT INTO vorlen1_names (vorlen1_names) VALUES ('rebuild')",

    "CREATE VIRTUAL TABLE IF NOT EXISTS dealer_names USING fts5(Publisher_Name, content='dealer',"
    " tokenize='trigram')",
    "CREATE TRIGGER IF NOT EXISTS dealer_names_insert AFTER INSERT ON dealer BEGIN"
    " INSERT INTO dealer_names (rowid, Publisher_Name) VALUES (new.rowid, new.Publisher_Name);"
    " END",
    "CREATE TRIGGER IF NOT EXISTS dealer_names_delete AFTER DELETE ON dealer BEGIN"
    " INSERT INTO dealer_names (dealer_names, rowid, Publisher_Name)"
    " VALUES ('delete', old.rowid, old.Publisher_Name); END",
    "CREATE TRIGGER IF NOT EXISTS dealer_names_update AFTER UPDATE ON dealer BEGIN"
    " INSERT INTO dealer_names (dealer_names, rowid, Publisher_Name)"
    " VALUES ('delete', old.rowid, old.Publisher_Name);"
    " INSERT INTO dealer_names (rowid, Publisher_Name) VALUES (new.rowid, new.Publisher_Name);"
    " END",
    "INSERT INTO dealer_names (dealer_names) VALUES ('rebuild')",

    "CREATE INDEX IF NOT EXISTS vorlen1_name_key ON vorlen1 (lower(trim(vorlen_name)))",
    "CREATE INDEX IF NOT EXISTS vorlen1_publisher ON vorlen1 (publisher_code)",
    "CREATE INDEX IF NOT EXISTS vorlen_publisher ON vorlen (publisher_code)",
};

}  // namespace

void createNameIndexes(Database& db) {
    for (const char* sql : kStatements)
        db.exec(sql);
    db.exec(
        (QByteArray("CREATE INDEX IF NOT EXISTS vorlen1_issn_key ON vorlen1 (") + kIssnKey + ")")
            .constData());
}

void suspendNameIndexes(Database& db) {
    for (const char* table : {"vorlen1", "dealer"})
        for (const char* change : {"insert", "delete", "update"})
            db.exec(
                (QByteArray("DROP TRIGGER IF EXISTS ") + table + "_names_" + change).constData());
}

void replaceNameKeyIndexes(Database& db) {
    db.exec("DROP INDEX IF EXISTS vorlen1_trim_name");
    if (!db.isPostgres()) {
        db.exec(
            "CREATE INDEX IF NOT EXISTS vorlen1_name_key ON vorlen1 (lower(trim(vorlen_name)))");
        return;
    }
    // The server's indexes of case-folded text fold as the statements now
    // do; the case-blind collation the name index used goes with it.
    db.exec("DROP COLLATION IF EXISTS nocase");
    db.exec("CREATE INDEX IF NOT EXISTS vorlen1_name_key ON vorlen1 ((lower(trim(vorlen_name))))");
    db.exec("DROP INDEX IF EXISTS vorlen1_issn_key");
    db.exec(
        (QByteArray("CREATE INDEX vorlen1_issn_key ON vorlen1 ((") + kIssnKey + "))").constData());
}

bool trigramSearchable(const QString& text) {
    return text.toUcs4().size() >= 3;
}

bool trigramSearchable(const Database& db, const QString& text) {
    return !db.isPostgres() && trigramSearchable(text);
}

QString trigramQuery(const QString& text) {
    const QList<uint> points = text.toUcs4();
    auto quoted = [&](qsizetype at) {
        QString trigram =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()) + at, 3);
        trigram.replace(u'"', QStringLiteral("\"\""));
        return u'"' + trigram + u'"';
    };
    // Every third trigram and the last cover the whole text; asking for
    // fewer of them reads far fewer index entries than the full phrase. A
    // trigram the text holds twice is asked for once: each term reads its
    // list of rows again.
    QStringList terms;
    const auto ask = [&](qsizetype at) {
        const QString term = quoted(at);
        if (!terms.contains(term))
            terms << term;
    };
    const qsizetype last = points.size() - 3;
    for (qsizetype at = 0; at < last; at += 3)
        ask(at);
    ask(last);
    return u'(' + terms.join(u' ') + u')';
}

}  // namespace data
