#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QStringList>

#include "articles/ArticleSearch.h"
#include "articles/ArticleSearchSource.h"
#include "articles/AuthorSource.h"
#include "catalogue/TitleSearch.h"
#include "data/Schema.h"
#include "issues/IssueRegister.h"
#include "issues/TitleFinder.h"
#include "late/LateRecords.h"
#include "late/ReceivingStats.h"
#include "patterns/PatternRecords.h"
#include "renewal/ExpiryRecords.h"
#include "search/SearchRecords.h"
#include "search/SearchResultSource.h"
#include "tests/support/TempDatabase.h"

namespace {

// Collects the SQL text of every statement a records module runs.
class StatementLog {
  public:
    explicit StatementLog(data::Database& db) : db_(db) {
        sqlite3_trace_v2(db_.handle(), SQLITE_TRACE_STMT, &StatementLog::onStatement, this);
    }
    ~StatementLog() { sqlite3_trace_v2(db_.handle(), 0, nullptr, nullptr); }

    // The query plan of every statement seen, as one text per statement.
    QStringList plans() {
        sqlite3_trace_v2(db_.handle(), 0, nullptr, nullptr);
        QStringList out;
        for (const QString& sql : seen_) {
            const QByteArray text = ("EXPLAIN QUERY PLAN " + sql).toUtf8();
            sqlite3_stmt* st = nullptr;
            EXPECT_EQ(sqlite3_prepare_v2(db_.handle(), text.constData(), -1, &st, nullptr),
                      SQLITE_OK);
            QString plan = sql + u'\n';
            while (sqlite3_step(st) == SQLITE_ROW)
                plan +=
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 3))) +
                    u'\n';
            sqlite3_finalize(st);
            out << plan;
        }
        return out;
    }

  private:
    static int onStatement(unsigned, void* self, void* stmt, void*) {
        const QString sql = QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(stmt)));
        // A change of the schema has no plan (and could not be planned again).
        if (!sql.startsWith(QLatin1String("CREATE ")) && !sql.startsWith(QLatin1String("DROP ")))
            static_cast<StatementLog*>(self)->seen_ << sql;
        return 0;
    }

    data::Database& db_;
    QStringList seen_;
};

// A plan that reads a big table from end to end names it after SCAN with no index.
void expectNoFullScan(const QString& plan, std::initializer_list<const char*> tables) {
    for (const char* table : tables) {
        const QString scan = QStringLiteral("SCAN %1").arg(QLatin1String(table));
        for (const QString& line : plan.split(u'\n'))
            if (line.startsWith(scan) && !line.contains(QStringLiteral("INDEX")))
                ADD_FAILURE() << "full scan of " << table << " in:\n" << plan.toStdString();
    }
}

}  // namespace

TEST(IndexUse, IssueLookupsByTitleAndNumberUseAnIndex) {
    testing_support::TempDatabase temp;
    StatementLog log(temp.db());
    issues::IssueRegister issues(temp.db());
    issues.issuesOf("J000001");
    issues.updateIssue("125", {});
    issues.deleteIssue("125");
    const QStringList plans = log.plans();
    ASSERT_GE(plans.size(), 3);
    for (const QString& plan : plans)
        expectNoFullScan(plan, {"tranfile"});
}

TEST(IndexUse, DateOrderAndRangeUseTheBuiltInDateIndexes) {
    testing_support::TempDatabase temp;
    StatementLog log(temp.db());
    renewal::ExpiryRecords(temp.db()).expiring(renewal::Kind::Journals, QDate(2027, 1, 1),
                                               QDate(2027, 1, 31));
    const QStringList plans = log.plans();
    ASSERT_EQ(plans.size(), 1);
    EXPECT_TRUE(plans.first().contains("INDEX vorlen_end_day")) << plans.first().toStdString();
    EXPECT_TRUE(plans.first().contains("INDEX sqlite_autoindex_latest_issue"))
        << plans.first().toStdString();
    // Only ties within one day are sorted apart; the dates come in index order.
    EXPECT_FALSE(plans.first().contains("TEMP B-TREE FOR ORDER BY")) << plans.first().toStdString();
}

TEST(IndexUse, TitleLoadAndExpiryListUseIndexes) {
    testing_support::TempDatabase temp;
    StatementLog log(temp.db());
    catalogue::TitleSearch titles(temp.db());
    titles.title("J000001");
    titles.subscription("J000001");
    titles.kind("J000001");
    renewal::ExpiryRecords(temp.db()).expiring(renewal::Kind::Journals, QDate(2027, 1, 1),
                                               QDate(2027, 1, 31));
    const QStringList plans = log.plans();
    ASSERT_GE(plans.size(), 4);
    for (const QString& plan : plans)
        expectNoFullScan(plan, {"vorlen1", "vorlen", "typeclass", "tranfile", "dealer"});
}

TEST(IndexUse, DuplicateNameIssnKeyAndPublisherLookupsUseIndexes) {
    testing_support::TempDatabase temp;
    StatementLog log(temp.db());
    catalogue::TitleSearch(temp.db()).nameTaken(QStringLiteral(" Nature "));
    catalogue::TitleSearch(temp.db()).byName(QStringLiteral("Nature"));
    const search::SearchRecords records(temp.db());
    records.byIssn(QStringLiteral("03178471"));
    records.byKey(QStringLiteral("J000001"));
    records.byText(QStringLiteral("Elsevier"));
    issues::TitleFinder(temp.db()).byIssn(QStringLiteral("03178471"));
    const QStringList plans = log.plans();
    ASSERT_GE(plans.size(), 6);
    for (const QString& plan : plans)
        expectNoFullScan(plan, {"vorlen1", "vorlen", "dealer", "tranfile"});
}

TEST(IndexUse, LateListAndReceivingStatisticsReadThroughIndexes) {
    testing_support::TempDatabase temp;
    StatementLog log(temp.db());
    // A title with a pattern: its issues are read from its known volume on.
    temp.db().exec(
        "INSERT INTO vorlen1 (pointer, vorlen_name, magtype_code) VALUES ('J1', 'x', '04')");
    temp.db().exec(
        "INSERT INTO vorlen (pointer, department_code, Receive_Code, begin_period, end_period)"
        " VALUES ('J1', '01', '1', '01/01/2026', '31/12/2027')");
    patterns::StoredPattern stored;
    stored.pattern.knownDate = QDate(2026, 1, 1);
    patterns::PatternRecords(temp.db()).save("J1", stored);
    late::LateRecords(temp.db()).late({}, QDate(2026, 12, 8));
    late::ReceivingStats(temp.db()).byMonth(2026, late::Grouping::Faculty);
    late::ReceivingStats(temp.db()).byMonth(2026, late::Grouping::Kind);
    const QStringList plans = log.plans();
    ASSERT_GE(plans.size(), 4);
    // The late issues are worked out from the subscriptions read straight
    // through, most being live, each latest issue taken by its key, and the
    // issues never read; the rows shown take their titles, latest issues and
    // agents' names by key too.
    for (const QString& plan : plans)
        expectNoFullScan(plan, {"tranfile", "latest_issue", "vorlen1", "dealer"});
    const QStringList lateList = plans.filter(QStringLiteral("latest_issue"));
    ASSERT_GE(lateList.size(), 2) << "the rows worked out, then the rows shown";
    for (const QString& plan : lateList) {
        EXPECT_FALSE(plan.contains(QStringLiteral("tranfile"))) << plan.toStdString();
        EXPECT_TRUE(plan.contains(QStringLiteral("INDEX sqlite_autoindex_latest_issue")))
            << plan.toStdString();
    }
    const QStringList registered = plans.filter(QStringLiteral("publication_pattern AS p"));
    ASSERT_EQ(registered.size(), 1);
    EXPECT_TRUE(registered.first().contains(QStringLiteral("INDEX tranfile_title_volume")))
        << registered.first().toStdString();
    EXPECT_EQ(plans.filter(QStringLiteral("INDEX tranfile_received_day")).size(), 24);
}

TEST(IndexUse, LatestIssuesAreTakenFromTheIndexesOfTheStoredDateKeys) {
    testing_support::TempDatabase temp;
    StatementLog log(temp.db());
    search::SearchResultSource(temp.db(), "SELECT rowid FROM vorlen1", {}).rows(0, 20);
    data::createLatestIssues(temp.db());
    const QStringList plans = log.plans();
    const QStringList listed = plans.filter(QStringLiteral("LEFT JOIN tranfile"));
    ASSERT_EQ(listed.size(), 1);
    EXPECT_TRUE(listed.first().contains(QStringLiteral("INDEX tranfile_pointer_day")))
        << listed.first().toStdString();
    QStringList latest;
    for (const QString& plan : plans)
        if (plan.startsWith(QLatin1String("INSERT INTO latest_issue")))
            latest << plan;
    ASSERT_EQ(latest.size(), 1);
    EXPECT_TRUE(latest.first().contains(QStringLiteral("INDEX tranfile_title_faculty_received")))
        << latest.first().toStdString();
}

// The first screens whose order is the common one: a word's articles the
// latest first, from the words' index down, and the authors in Thai order
// either way, from their index; none sorts the rows it found.
TEST(IndexUse, TheWordsArticlesAndTheAuthorsPageInTheOrderOfAnIndex) {
    testing_support::TempDatabase temp;
    articles::ArticleQuery words;
    words.words = QStringLiteral("การศึกษา ชุมชน");
    const struct {
        const char* what;
        std::shared_ptr<ui::RowSource> source;
        ui::ListOrder order;
        const char* index;
    } cases[] = {
        {"a word's articles", articles::ArticleSearch(temp.db()).find(words), {}, "VIRTUAL TABLE"},
        {"the authors",
         std::make_shared<articles::AuthorSource>(temp.db(), QString()),
         {},
         "author_thai_order"},
        {"the authors falling",
         std::make_shared<articles::AuthorSource>(temp.db(), QString()),
         {articles::authorColumn::name, true},
         "author_thai_order"},
    };
    for (const auto& c : cases) {
        c.source->setOrder(c.order);
        StatementLog log(temp.db());
        c.source->rows(100, 100);
        const QStringList pages = log.plans().filter(QStringLiteral("LIMIT ? OFFSET ?"));
        ASSERT_EQ(pages.size(), 1) << c.what;
        EXPECT_TRUE(pages.first().contains(QLatin1String(c.index))) << pages.first().toStdString();
        EXPECT_FALSE(pages.first().contains("TEMP B-TREE")) << pages.first().toStdString();
        expectNoFullScan(pages.first(), {"article", "author"});
    }
}
