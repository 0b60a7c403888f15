// Builds a realistic periodicals database of any size, for trying the program
// and for the benchmarks:
//   generate_sample <new database> [titles] [subscriptions] [publishers] [issues]
//                   [articles]
// Titles are Thai and English journals and newspapers, each with one or more
// subscriptions across the faculties, years of registered issues, and the
// indexed articles of those issues (one for every ten issues unless given).

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTextStream>
#include <vector>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "data/Issn.h"
#include "data/LateSchema.h"
#include "data/Schema.h"
#include "data/Statement.h"
#include "patterns/PatternRecords.h"
#include "tools/SampleArticles.h"

namespace {

const QStringList kThaiHeads = {"วารสาร", "จุลสาร", "นิตยสาร", "วารสารวิชาการ", "ข่าวสาร"};
const QStringList kThaiTopics = {"วิทยาศาสตร์",        "เกษตรศาสตร์",      "การศึกษา",    "เศรษฐศาสตร์",
                                 "สังคมศาสตร์",        "มนุษยศาสตร์",       "วิศวกรรม",    "สาธารณสุข",
                                 "การจัดการ",         "ภาษาและวรรณกรรม", "ประวัติศาสตร์", "ศิลปกรรม",
                                 "เทคโนโลยีสารสนเทศ", "สิ่งแวดล้อม",        "กฎหมาย",     "การพยาบาล"};
const QStringList kThaiTails = {"", "ไทย", "ปริทัศน์", "ร่วมสมัย", "ภาคเหนือ", "อีสาน", "สาร"};
const QStringList kEnglishHeads = {
    "Journal of",  "Review of", "Annals of", "Bulletin of", "International Journal of",
    "Quarterly of"};
const QStringList kEnglishTopics = {"Applied Physics",
                                    "Plant Science",
                                    "Education",
                                    "Economics",
                                    "Social Research",
                                    "Asian Studies",
                                    "Civil Engineering",
                                    "Public Health",
                                    "Management",
                                    "Linguistics",
                                    "History",
                                    "Fine Arts",
                                    "Computing",
                                    "Environmental Science",
                                    "Law",
                                    "Nursing"};
const QStringList kThaiPapers = {"ไทยรัฐ",      "มติชน",         "เดลินิวส์",     "ข่าวสด",
                                 "กรุงเทพธุรกิจ", "ประชาชาติธุรกิจ", "ฐานเศรษฐกิจ", "สยามรัฐ"};
const QStringList kEnglishPapers = {"Bangkok Post",      "The Nation",  "Financial Times",
                                    "The Straits Times", "Nikkei Asia", "The Guardian Weekly"};
const QStringList kPublisherWords = {"สำนักพิมพ์", "บริษัท",       "สมาคม", "มูลนิธิ",
                                     "Press",   "Publishing", "Books", "Media"};

class Generator {
  public:
    Generator(data::Database& db, quint32 seed) : db_(db), random_(seed) {}

    void publishers(int count);
    void titles(int titles, int subscriptions);
    void issues(int count);
    // Most journals have their pattern, set by the desk this autumn.
    void patterns();

  private:
    QString pick(const QStringList& words) { return words.at(random_.bounded(words.size())); }
    // Seven digits and their check character, as printed on a cover.
    QString issn() {
        const QString seven = QString::number(random_.bounded(1000000, 9999999));
        return seven.left(4) + u'-' + seven.mid(4) + data::issnCheckCharacter(seven);
    }
    QString date(int fromYear, int years) {
        const QDate d = QDate(fromYear, 1, 1).addDays(random_.bounded(365 * years));
        return data::writeDate(d);
    }

    data::Database& db_;
    QRandomGenerator random_;
    int publishers_ = 1;
    std::vector<std::pair<QString, QString>> subscriptions_;  // (key, department)
    std::vector<QString> patterned_;
};

void run(data::Statement& st, const QVariantList& values) {
    st.reset();
    st.bindAll(values);
    st.step();
}

void Generator::publishers(int count) {
    publishers_ = count;
    db_.exec("DELETE FROM dealer");
    data::Statement st(db_.handle(),
                       "INSERT INTO dealer (Publisher_Code, Publisher_Name,"
                       " Publisher_Address1, Contact_Name) VALUES (?,?,?,?)");
    for (int i = 1; i <= count; ++i)
        run(st, {QString::number(i),
                 QStringLiteral("%1 %2 %3").arg(pick(kPublisherWords), pick(kThaiTopics)).arg(i),
                 QStringLiteral("%1 ถนนพหลโยธิน กรุงเทพมหานคร").arg(random_.bounded(1, 999)),
                 QStringLiteral("คุณ%1").arg(pick(kThaiPapers))});
}

void Generator::titles(int titles, int subscriptions) {
    data::Statement master(db_.handle(),
                           "INSERT INTO vorlen1 VALUES (?,?,?,?,?,NULL,?,?,?,?,?,?,?)");
    data::Statement sub(db_.handle(), "INSERT INTO vorlen VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    data::Statement kind(db_.handle(), "INSERT INTO typeclass VALUES (?,?)");
    int next[4] = {1, 1, 1, 1};
    const char letters[4] = {'J', 'I', 'K', 'L'};
    int remaining = subscriptions - titles;
    for (int t = 0; t < titles; ++t) {
        const bool newspaper = random_.bounded(10) == 0;
        const bool thai = random_.bounded(2) == 0;
        const int series = (newspaper ? 2 : 0) + (thai ? 0 : 1);
        const QString key = QStringLiteral("%1%2")
                                .arg(QChar(letters[series]))
                                .arg(next[series]++, 6, 10, QChar(u'0'));
        QString name;
        if (newspaper)
            name = thai ? pick(kThaiPapers) : pick(kEnglishPapers);
        else if (thai)
            name = pick(kThaiHeads) + pick(kThaiTopics) + pick(kThaiTails);
        else
            name = pick(kEnglishHeads) + u' ' + pick(kEnglishTopics);
        name += QStringLiteral(" %1").arg(t + 1);
        const QString publisher = QString::number(random_.bounded(1, publishers_ + 1));
        run(master, {key, name, QStringLiteral("  "), QStringLiteral("  "), QStringLiteral("  "),
                     date(1960, 50), issn(), thai ? QStringLiteral("01") : QStringLiteral("02"),
                     newspaper ? QStringLiteral("01") : QStringLiteral("04"), QStringLiteral("12"),
                     QStringLiteral("1"), publisher});
        run(kind, {key, QStringLiteral("0%1").arg(random_.bounded(1, 6))});
        if (!newspaper && t % 10 < 8)
            patterned_.push_back(key);
        int copies = 1;
        while (remaining > 0 && random_.bounded(5) == 0 && copies < 7) {
            ++copies;
            --remaining;
        }
        if (t == titles - 1)
            copies += std::max(remaining, 0);
        for (int c = 0; c < copies; ++c) {
            const QString department = QStringLiteral("0%1").arg((c + t) % 7 + 1);
            const bool agentIsPublisher = random_.bounded(5) != 0;
            run(sub, {key, department, QStringLiteral("01"),
                      random_.bounded(10) ? QStringLiteral("1") : QStringLiteral("4"),
                      QStringLiteral("02"), QStringLiteral("1"),
                      QString::number(random_.bounded(300, 20000)),
                      thai ? QStringLiteral("01") : QStringLiteral("02"),
                      thai ? QStringLiteral("1") : QStringLiteral("35.5"), date(2024, 2),
                      date(2026, 3), date(2023, 3),
                      agentIsPublisher ? publisher
                                       : QString::number(random_.bounded(1, publishers_ + 1)),
                      QStringLiteral("02")});
            subscriptions_.emplace_back(key, department);
        }
    }
    db_.exec("UPDATE recsetup SET next_key1 = ?, next_key2 = ?, next_key3 = ?, next_key4 = ?",
             {QStringLiteral("J%1").arg(next[0], 6, 10, QChar(u'0')),
              QStringLiteral("I%1").arg(next[1], 6, 10, QChar(u'0')),
              QStringLiteral("K%1").arg(next[2], 6, 10, QChar(u'0')),
              QStringLiteral("L%1").arg(next[3], 6, 10, QChar(u'0'))});
}

void Generator::issues(int count) {
    // The trigger that would set the date keys is away (main): they go in
    // with the rows, as the import's do.
    data::Statement st(db_.handle(),
                       "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily,"
                       " yearno, issueno, descriptionitem, daily_key, receivedate_key)"
                       " VALUES (?,?,?,?,?,?,?,?,?,?)");
    for (int n = 1; n <= count && !subscriptions_.empty(); ++n) {
        const auto& [key, department] =
            subscriptions_[std::size_t(random_.bounded(int(subscriptions_.size())))];
        const QDate day = QDate(2015, 1, 1).addDays(random_.bounded(365 * 11));
        run(st,
            {QString::number(n), department, key, data::writeDate(day.addDays(10)),
             data::writeDate(day), QString::number(day.year() - 2000), QString::number(day.month()),
             QStringLiteral("ฉบับเดือน %1").arg(day.toString(QStringLiteral("MM/yyyy"))),
             day.toString(Qt::ISODate), day.addDays(10).toString(Qt::ISODate)});
    }
    db_.exec("UPDATE jourctrl SET nextmagno = ?", {QString::number(count + 1)});
}

// Monthly, numbered as the issues above are: the volume by the year, the
// issue by the month, known from October 2026.
void Generator::patterns() {
    patterns::StoredPattern monthly;
    monthly.pattern.knownDate = QDate(2026, 10, 1);
    monthly.pattern.knownVolume = 26;
    monthly.pattern.knownIssue = 10;
    monthly.pattern.volumeStartMonth = 1;
    monthly.pattern.graceDays = 20;
    std::vector<std::pair<QString, patterns::StoredPattern>> all;
    all.reserve(patterned_.size());
    for (const QString& key : patterned_)
        all.emplace_back(key, monthly);
    patterns::PatternRecords(db_).saveAll(all);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: generate_sample <new database> [titles] [subscriptions] [publishers]"
               " [issues]"
               " [articles]\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const auto arg = [&](int i, int fallback) { return argc > i ? atoi(argv[i]) : fallback; };
    const int titles = arg(2, 500), subscriptions = std::max(arg(3, 600), titles);
    const int publishers = std::max(arg(4, 50), 1), issues = arg(5, 5000);
    const int articles = arg(6, issues / 10);
    if (QFileInfo::exists(path)) {
        err << path << " exists; give the name of a new file\n";
        return 1;
    }
    try {
        data::prepareDatabase(path);
        data::Database db(path);
        db.exec("PRAGMA synchronous = OFF");
        data::Transaction tx(db);
        // The late issues are worked out once, when the list is first shown.
        data::suspendLateIssueTriggers(db);
        Generator g(db, 1208);
        g.publishers(publishers);
        g.titles(titles, subscriptions);
        // Millions of issues go in without their trigger: the table of latest
        // issues is filled once at the end instead of once per issue.
        db.exec("DROP TRIGGER tranfile_latest_insert");
        g.issues(issues);
        data::createLatestIssues(db);
        QRandomGenerator articleRandom(2912);
        sampleArticles(db, articleRandom, articles, issues);
        tx.commit();
        g.patterns();
        data::createLateIssueTables(db);
        db.exec("ANALYZE");
    } catch (const data::DbError& e) {
        err << e.detail() << "\n";
        return 1;
    }
    return 0;
}
