#include "tools/SampleArticles.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "data/ArticleSchema.h"
#include "data/Database.h"
#include "data/Statement.h"

namespace {

const QStringList kThaiFirst = {"สมชาย", "สมศรี", "วิไลวรรณ", "ประเสริฐ", "กาญจนา", "ธีระ",
                                "นภา",   "อรุณ",  "สุรีย์",     "พงศ์ศักดิ์",  "มาลี",    "ชัยวัฒน์"};
const QStringList kThaiLast = {"ใจดี",   "ศรีสุข",     "วงศ์ไทย", "บุญมา",    "แก้วมณี",
                               "ทองคำ", "สุวรรณรัตน์", "พรหมมา", "จันทร์เพ็ญ", "รุ่งเรือง"};
const QStringList kForeignLast = {"Smith", "Tanaka", "Nguyen", "Müller", "Garcia", "Kim", "Brown"};
const QStringList kForeignFirst = {"John", "Yuki", "Anh", "Karl", "Maria", "Min-jun", "Emily"};
const QStringList kCorporate = {"กรมวิชาการเกษตร", "สำนักงานสถิติแห่งชาติ", "World Health Organization",
                                "สถาบันวิจัยสังคม"};
const QStringList kThaiTopics = {"การศึกษา",  "เกษตรกรรม", "สาธารณสุข", "เศรษฐกิจ",    "วรรณกรรม",
                                 "สิ่งแวดล้อม", "การพยาบาล", "กฎหมาย",   "ประวัติศาสตร์", "ภาษาไทย"};
const QStringList kThaiFrames = {"การศึกษา%1ในชุมชนชนบท", "ปัจจัยที่มีผลต่อ%1ของนักศึกษา",
                                 "แนวทางการพัฒนา%1ในภาคเหนือ", "ผลของ%1ต่อคุณภาพชีวิต",
                                 "บทบาทของ%1ในสังคมไทยร่วมสมัย"};
const QStringList kEnglishTopics = {"rice yield",     "nurse staffing", "water quality",
                                    "reading skills", "household debt", "urban heat",
                                    "land law"};
const QStringList kEnglishFrames = {"A study of %1 in Thailand", "Factors affecting %1",
                                    "%1 in the Mekong region", "Measuring %1: a review"};

void run(data::Statement& st, const QVariantList& values) {
    st.reset();
    st.bindAll(values);
    st.step();
}

QString pick(QRandomGenerator& random, const QStringList& words) {
    return words.at(random.bounded(words.size()));
}

}  // namespace

void sampleArticles(data::Database& db, QRandomGenerator& random, int count, int issues) {
    if (count <= 0 || issues <= 0)
        return;
    // A numbered name for each person keeps the pool about a quarter of the
    // articles, as on a desk where most authors write more than once.
    const int authors = std::max(count / 4, 20);
    data::Statement author(db.handle(), "INSERT INTO author VALUES (?,?,?)");
    for (int id = 1; id <= authors; ++id) {
        const int kind = random.bounded(20);
        QString name;
        if (kind == 0)
            name = QStringLiteral("%1 %2").arg(pick(random, kCorporate)).arg(id);
        else if (kind < 6)
            name = QStringLiteral("%1%2, %3")
                       .arg(pick(random, kForeignLast))
                       .arg(id)
                       .arg(pick(random, kForeignFirst));
        else
            name = QStringLiteral("%1 %2%3")
                       .arg(pick(random, kThaiFirst), pick(random, kThaiLast))
                       .arg(id);
        run(author, {id, name, kind == 0 ? 1 : 0});
    }
    data::Statement heading(db.handle(), "INSERT INTO heading VALUES (?,?,?)");
    int headings = 0;
    for (const QString& topic : kThaiTopics)
        for (const QString& aspect :
             {QString(), QStringLiteral(" -- วิจัย"), QStringLiteral(" -- ไทย")})
            run(heading, {++headings, topic + aspect, QString()});

    data::Statement article(db.handle(),
                            "INSERT INTO article (article_id, magno, title, other_title, pages,"
                            " first_page, language_code, keywords, notes, abstract, indexed_on)"
                            " VALUES (?,?,?,?,?,?,?,?,?,?,?)");
    data::Statement byAuthor(db.handle(), "INSERT INTO article_author VALUES (?,?,?)");
    data::Statement byHeading(db.handle(), "INSERT INTO article_heading VALUES (?,?,?)");
    for (int id = 1; id <= count; ++id) {
        const bool thai = random.bounded(3) != 0;
        const QString topic = thai ? pick(random, kThaiTopics) : pick(random, kEnglishTopics);
        const QString title =
            (thai ? pick(random, kThaiFrames) : pick(random, kEnglishFrames)).arg(topic);
        const int first = random.bounded(1, 200);
        const QString abstract =
            thai ? QStringLiteral("งานวิจัยนี้ศึกษา%1 กลุ่มตัวอย่าง %2 คน ผลการวิจัยพบว่า%1มีความสัมพันธ์กับรายได้")
                       .arg(topic)
                       .arg(random.bounded(30, 900))
                 : QStringLiteral(
                       "This paper examines %1 with a sample of %2 and finds a clear"
                       " link with income.")
                       .arg(topic)
                       .arg(random.bounded(30, 900));
        const QDate indexed = QDate(2020, 1, 1).addDays(random.bounded(365 * 7));
        run(article, {id, QString::number(random.bounded(1, issues + 1)), title, QString(),
                      QStringLiteral("%1-%2").arg(first).arg(first + random.bounded(3, 20)), first,
                      thai ? QStringLiteral("01") : QStringLiteral("02"), topic, QString(),
                      abstract, indexed.toString(Qt::ISODate)});
        std::vector<int> used;
        for (int place = 1, n = random.bounded(1, 5); place <= n; ++place) {
            const int who = random.bounded(1, authors + 1);
            if (std::find(used.begin(), used.end(), who) != used.end())
                continue;
            used.push_back(who);
            run(byAuthor, {id, place, who});
        }
        used.clear();
        for (int place = 1, n = random.bounded(1, 4); place <= n; ++place) {
            const int what = random.bounded(1, headings + 1);
            if (std::find(used.begin(), used.end(), what) != used.end())
                continue;
            used.push_back(what);
            run(byHeading, {id, place, what});
        }
    }
    // Written straight into the tables: the citations' lead names once for all.
    db.exec(data::refreshLeadNames("1 = 1").constData());
}
