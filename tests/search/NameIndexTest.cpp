#include <gtest/gtest.h>

#include <QDir>
#include <QRandomGenerator>
#include <set>

#include "catalogue/TitleRecords.h"
#include "catalogue/TitleSearch.h"
#include "data/DatabaseFile.h"
#include "data/LikePattern.h"
#include "data/Migrations.h"
#include "issues/TitleFinder.h"
#include "publishers/DealerTable.h"
#include "search/SearchRecords.h"
#include "tests/search/SearchFixture.h"
#include "tests/support/FileDamage.h"

using testing_support::storeTitle;
using testing_support::TempDatabase;

namespace {

// Text that trips up searches: Thai with its marks, Latin of both cases and
// with accents, quotes, the LIKE wildcards and escape, spaces, a character
// outside the 16-bit range.
const QStringList kPieces = {"ก", "ข", "า",  "ิ",  "่",  "์",   "A", "a", "B", "b", "É", "é", "İ",
                             "i", "'", "\"", "%", "_", "\\", " ", "x", "X", "😀", "ß", "-", "*"};

QString hostile(QRandomGenerator& random, int minLength, int maxLength) {
    QString s;
    for (int n = random.bounded(minLength, maxLength + 1); n > 0; --n)
        s += kPieces[random.bounded(int(kPieces.size()))];
    return s;
}

// A part of a stored name, its Latin letters in random case.
QString partOf(QRandomGenerator& random, const QString& name) {
    const QList<uint> points = name.toUcs4();
    const int start = random.bounded(int(points.size()));
    const int length = random.bounded(1, std::min(6, int(points.size()) - start) + 1);
    QString part;
    for (uint c : points.mid(start, length)) {
        QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        if (c < 128 && random.bounded(2))
            one = one.at(0).isUpper() ? one.toLower() : one.toUpper();
        part += one;
    }
    return part;
}

QStringList column(const std::vector<data::Row>& rows) {
    QStringList out;
    for (const data::Row& r : rows)
        out << r.text(0);
    return out;
}

}  // namespace

TEST(NameIndex, FindsExactlyWhatTheScanFinds) {
    TempDatabase temp;
    data::Database& db = temp.db();
    QRandomGenerator random(20261208);
    QStringList names;
    {
        data::Transaction tx(db);
        for (int i = 0; i < 60; ++i)
            db.exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES (?, ?)",
                    {QString::number(100 + i), hostile(random, 1, 14)});
        for (int i = 0; i < 400; ++i) {
            names << hostile(random, 1, 14);
            storeTitle(db, {QStringLiteral("J%1").arg(i, 6, 10, QChar(u'0')), names.last(), "",
                            QString::number(100 + random.bounded(60)),
                            QString::number(100 + random.bounded(60)), hostile(random, 0, 8),
                            hostile(random, 0, 8), hostile(random, 0, 4)});
        }
        tx.commit();
    }
    const catalogue::TitleSearch titles(db);
    const issues::TitleFinder finder(db);
    const publishers::DealerTable dealers(db);
    const search::SearchRecords everyWay(db);
    int found = 0;
    for (int i = 0; i < 400; ++i) {
        const QString q = i % 4 == 3 ? hostile(random, 1, 5)
                                     : partOf(random, names[random.bounded(int(names.size()))]);
        const QString like = data::containsPattern(q);
        const QStringList scan = column(db.query(
            "SELECT pointer FROM vorlen1 WHERE vorlen_name LIKE ? ESCAPE '\\' ORDER BY rowid",
            {like}));
        QStringList byName;
        for (const ui::PickRow& row : titles.byName(q))
            byName << row.code;
        EXPECT_EQ(byName, scan) << q.toStdString();
        QStringList byFinder;
        for (const issues::TitleMatch& m : finder.find(q))
            byFinder << m.pointer;
        EXPECT_EQ(byFinder, scan) << q.toStdString();

        QStringList byDealer;
        for (const ui::PickRow& row : dealers.findByName(q))
            byDealer << row.code;
        EXPECT_EQ(byDealer, column(db.query("SELECT Publisher_Code FROM dealer WHERE"
                                            " Publisher_Name LIKE ? ESCAPE '\\' ORDER BY rowid",
                                            {like})))
            << q.toStdString();

        const QStringList anyWay = column(db.query(
            "SELECT vorlen1.pointer FROM vorlen1 JOIN vorlen ON vorlen.pointer = vorlen1.pointer"
            " WHERE vorlen_name LIKE ?1 ESCAPE '\\' OR compare_name LIKE ?1 ESCAPE '\\'"
            " OR old_name LIKE ?1 ESCAPE '\\' OR shot_name LIKE ?1 ESCAPE '\\'"
            " OR vorlen1.publisher_code IN (SELECT Publisher_Code FROM dealer"
            "  WHERE Publisher_Name LIKE ?1 ESCAPE '\\')"
            " OR vorlen.publisher_code IN (SELECT Publisher_Code FROM dealer"
            "  WHERE Publisher_Name LIKE ?1 ESCAPE '\\')"
            " ORDER BY vorlen1.rowid",
            {like}));
        QStringList bySearch;
        ui::forEachRow(*everyWay.byText(q),
                       [&](const QStringList& cells) { bySearch << cells[search::Key]; });
        EXPECT_EQ(bySearch, anyWay) << q.toStdString();
        found += scan.isEmpty() ? 0 : 1;
    }
    EXPECT_GT(found, 250) << "most searches must find something to compare";
}

TEST(NameIndex, FollowsEveryAddEditAndDelete) {
    TempDatabase temp;
    data::Database& db = temp.db();
    catalogue::TitleRecords records(db);
    const catalogue::TitleSearch titles(db);
    auto keys = [&](const QString& q) {
        QStringList out;
        for (const ui::PickRow& row : titles.byName(q))
            out << row.code;
        return out;
    };
    catalogue::TitleValues v;
    v.name = "Ocean Letters";
    v.compareName = "Sea Notes";
    const QString key = records.addTitle(1, v);
    EXPECT_EQ(keys("ean Let"), QStringList{key});

    v.pointer = key;
    v.name = "River Letters";
    records.editTitle(v);
    EXPECT_TRUE(keys("ean Let").isEmpty());
    EXPECT_EQ(keys("iver Let"), QStringList{key});
    EXPECT_EQ(search::SearchRecords(db).byText("Sea Not")->count(), 1) << "compare name too";

    records.deleteTitle(key);
    EXPECT_TRUE(keys("iver Let").isEmpty());

    publishers::DealerTable dealers(db);
    dealers.add({"77", "Harbour Press", "", "", ""});
    ASSERT_EQ(dealers.findByName("bour Pr").size(), 1u);
    db.exec("UPDATE dealer SET Publisher_Name = 'Bay Press' WHERE Publisher_Code = '77'");
    EXPECT_TRUE(dealers.findByName("bour Pr").empty());
    db.exec("DELETE FROM dealer WHERE Publisher_Code = '77'");
    EXPECT_TRUE(dealers.findByName("Bay Pr").empty());

    // The FTS5 indexes agree with their tables row for row (the server keeps
    // its own indexes in step).
    if (db.isPostgres())
        return;
    db.exec("INSERT INTO vorlen1_names (vorlen1_names, rank) VALUES ('integrity-check', 1)");
    db.exec("INSERT INTO dealer_names (dealer_names, rank) VALUES ('integrity-check', 1)");
}

TEST(NameIndex, IsBuiltForTheTitlesOfAnExistingFile) {
    SKIP_ON_POSTGRES("the step that brings an older file up to date");
    TempDatabase temp;
    {
        data::Database& db = temp.db();
        // A file as the release before the indexes left it.
        for (const char* sql :
             {"DROP TRIGGER vorlen1_names_insert", "DROP TRIGGER vorlen1_names_update",
              "DROP TRIGGER vorlen1_names_delete", "DROP TRIGGER dealer_names_insert",
              "DROP TRIGGER dealer_names_update", "DROP TRIGGER dealer_names_delete",
              "DROP TABLE vorlen1_names", "DROP TABLE dealer_names", "DROP INDEX vorlen1_name_key",
              "DROP INDEX vorlen1_issn_key", "DROP INDEX vorlen1_publisher",
              "DROP INDEX vorlen_publisher", "PRAGMA user_version = 1"})
            db.exec(sql);
        storeTitle(db, {"J000001", "วารสารวิทยาศาสตร์", "0317-8471"});
        storeTitle(db, {"J000002", "Old Science Review", "1234-5679", "5"});
        temp.reopen();
    }
    EXPECT_TRUE(data::prepareDatabase(temp.path()));
    data::Database& db = temp.db();
    EXPECT_EQ(data::fileVersion(db).userVersion, data::kSchemaVersion);
    EXPECT_EQ(QDir(temp.folder() + "/backups").entryList({"Vorlen-version1-*.db"}).size(), 1);

    const catalogue::TitleSearch titles(db);
    ASSERT_EQ(titles.byName("วิทยาศาสตร์").size(), 1u);
    EXPECT_EQ(titles.byName("science").size(), 1u);
    EXPECT_EQ(search::SearchRecords(db).byText("Springer")->count(), 1);
    EXPECT_EQ(search::SearchRecords(db).byIssn("12345679")->count(), 1);
    EXPECT_TRUE(titles.nameTaken(" old science review "));

    // Any SQLite tool reads and searches the file.
    using testing_support::sqliteTool;
    EXPECT_EQ(sqliteTool(temp.path(), "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(sqliteTool(temp.path(),
                         "SELECT pointer FROM vorlen1 WHERE rowid IN (SELECT rowid FROM"
                         " vorlen1_names WHERE vorlen1_names MATCH '\"Review\"')"),
              "J000002");
}
