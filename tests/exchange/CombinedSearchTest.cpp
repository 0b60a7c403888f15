#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "catalogue/TitleRecords.h"
#include "exchange/CatalogueSearch.h"
#include "exchange/CatalogueServerWindow.h"
#include "exchange/CombinedSearchWindow.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

using namespace exchange;

namespace {

const QString kServer = QStringLiteral("unix:" CATALOGUE_SOCKET);

// The same server's SRU address, on the loopback port the fixture found free.
QString sruServer() {
    QFile file(QStringLiteral(CATALOGUE_SRU_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll()).trimmed();
}

// An SRU address where nothing listens: a loopback port taken and let go.
QString stoppedSruServer() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), size), 0);
    EXPECT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size), 0);
    close(fd);
    return QStringLiteral("http://127.0.0.1:%1/Default").arg(ntohs(a.sin_port));
}

QStringList titlesOf(const std::vector<ServerAnswer>& answers) {
    QStringList titles;
    for (const ServerAnswer& a : answers)
        for (const CatalogueHit& h : a.hits)
            titles << h.title;
    titles.sort();
    return titles;
}

// A socket that takes connections and never answers, as a server hung.
struct SilentServer {
    QString path;
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    explicit SilentServer(const QString& p) : path(p) {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        qstrncpy(a.sun_path, path.toLocal8Bit().constData(), sizeof a.sun_path);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        EXPECT_EQ(listen(fd, 4), 0);
    }
    ~SilentServer() { close(fd); }
};

}  // namespace

// The suite's Zebra server finds its records by title word (Thai words
// too), author, subject and ISSN or ISBN, over Z39.50 and over SRU alike;
// Thai titles come back whole.
TEST(CatalogueSearch, FindsTheServersRecords) {
    struct Case {
        CatalogueQuery query;
        QStringList titles;
    };
    const Case cases[] = {
        {{"journal", {}, {}, {}}, {"Asian Journal of Mathematics", "Journal of Tropical Ecology"}},
        {{{}, "smith", {}, {}}, {"Rice Farming Today", "Tropical Ecology"}},
        {{"rice", "smith", {}, {}}, {"Rice Farming Today"}},
        {{{}, {}, "ecology", {}}, {"Tropical Ecology"}},
        {{{}, {}, {}, "0125 0003"}, {QStringLiteral("ไทยรัฐ")}},
        {{{}, {}, {}, "978-974-0000-01-1"}, {QStringLiteral("การปลูกข้าวในภาคเหนือ")}},
        {{QStringLiteral("เกษตร"), {}, {}, {}}, {QStringLiteral("วารสารวิทยาศาสตร์เกษตร")}},
        {{QStringLiteral("วิทยา"), {}, {}, {}}, {QStringLiteral("วารสารวิทยาศาสตร์เกษตร")}},
        {{QStringLiteral("ล้านนา"), {}, {}, {}},
         {QStringLiteral("ประวัติศาสตร์ล้านนา"), QStringLiteral("วารสารประวัติศาสตร์ล้านนา")}},
        {{QStringLiteral("ข้าว"), QStringLiteral("สมชาย"), {}, {}},
         {QStringLiteral("การปลูกข้าวในภาคเหนือ")}},
        {{"nothing-like-this", {}, {}, {}}, {}},
        // quotes and masking characters are the reader's text, not syntax
        {{"O\"Brien*", {}, {}, {}}, {}},
    };
    for (const QString& server : {kServer, sruServer()}) {
        for (const Case& c : cases) {
            const auto answers = askCatalogues({server}, c.query);
            const std::string asked = (server + u' ' + prefixQuery(c.query)).toStdString();
            ASSERT_EQ(answers.size(), 1u);
            EXPECT_EQ(answers[0].problem, QString()) << asked;
            EXPECT_EQ(titlesOf(answers), c.titles) << asked;
        }
        const auto serial = askCatalogues({server}, {{}, {}, {}, "0266-4674"});
        ASSERT_EQ(serial[0].hits.size(), 1u);
        EXPECT_TRUE(serial[0].hits[0].serial);
        EXPECT_EQ(serial[0].hits[0].issn, "0266-4674");
    }
}

// A server that is down or hangs is named in Thai within the timeout; the
// ones that answer still give their records.
TEST(CatalogueSearch, AServerThatDoesNotAnswerIsSaid) {
    testing_support::TempDatabase temp;
    SilentServer silent(temp.folder() + QStringLiteral("/silent"));
    const QString stopped = QStringLiteral("unix:") + temp.folder() + QStringLiteral("/stopped");
    QElapsedTimer clock;
    clock.start();
    const auto answers = askCatalogues(
        {stopped, QStringLiteral("unix:") + silent.path, kServer, stoppedSruServer(), sruServer()},
        {"journal", {}, {}, {}}, 1);
    EXPECT_LT(clock.elapsed(), 4000);
    ASSERT_EQ(answers.size(), 5u);
    for (std::size_t stoppedOne : {0u, 3u})
        EXPECT_TRUE(answers[stoppedOne].problem.startsWith(QStringLiteral("ติดต่อเครื่องบริการ")))
            << answers[stoppedOne].problem.toStdString();
    EXPECT_TRUE(answers[1].problem.contains(QStringLiteral("ไม่ตอบภายใน 1 วินาที")))
        << answers[1].problem.toStdString();
    EXPECT_EQ(answers[2].hits.size(), 2u);
    EXPECT_EQ(answers[4].hits.size(), 2u);
}

// The window shows the desk's titles at once and the catalogue's records
// when the thread brings them, marks the periodicals the desk holds and
// opens them; a stopped server leaves the desk's list and a Thai line.
TEST(CombinedSearchWindow, ShowsBothListsAndMarksHeldPeriodicals) {
    testing_support::TempDatabase temp;
    catalogue::TitleValues ecology;
    ecology.name = "Journal of Tropical Ecology";
    ecology.issn = "0266-4674";
    ecology.languageCode = "02";
    catalogue::TitleRecords(temp.db()).addTitle(2, ecology);
    ui::FakeMessageBox messages;
    ui::FixedClock clock(QDate(2026, 12, 10));
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    const QString stopped = QStringLiteral("unix:") + temp.folder() + QStringLiteral("/stopped");

    const QStringList z3950 = {kServer, stopped};
    const QStringList sru = {sruServer(), stoppedSruServer()};
    for (const QStringList& servers : {z3950, sru}) {
        CombinedSearchWindow window(services, servers);
        window.search({"journal", {}, {}, {}});
        ASSERT_EQ(window.deskTitles().size(), 1u);
        EXPECT_TRUE(window.searching());
        QTRY_VERIFY_WITH_TIMEOUT(!window.searching(), 10000);
        ASSERT_EQ(window.catalogueRecords().size(), 2u) << servers[0].toStdString();
        int held = 0;
        for (const auto& f : window.catalogueRecords())
            if (!f.heldKey.isEmpty()) {
                EXPECT_EQ(f.hit.title, "Journal of Tropical Ecology");
                EXPECT_EQ(f.heldKey, "I000001");
                ++held;
            }
        EXPECT_EQ(held, 1);
        ASSERT_EQ(window.status().size(), 2);
        EXPECT_TRUE(window.status()[0].startsWith(QStringLiteral("ติดต่อเครื่องบริการ")))
            << window.status().join(u'\n').toStdString();
        EXPECT_EQ(window.deskTitles().size(), 1u);
    }

    CombinedSearchWindow window(services, {kServer});
    window.search({"journal", {}, {}, {}});
    QTRY_VERIFY_WITH_TIMEOUT(!window.searching(), 10000);
    window.openDeskTitle(0, true);
    ASSERT_EQ(opener.titles.size(), 1u);
    EXPECT_EQ(opener.opened.back(), "reg_journal");
    EXPECT_EQ(opener.titles[0], "I000001");

    CombinedSearchWindow offline(services, {});
    offline.search({{}, {}, {}, "02664674"});
    EXPECT_FALSE(offline.searching());
    EXPECT_EQ(offline.deskTitles().size(), 1u);
    EXPECT_TRUE(offline.catalogueRecords().empty());
}

// The settings window keeps server addresses that ZOOM can use, each once,
// and the combined search reads back what was saved.
TEST(CatalogueServerWindow, KeepsUsableAddressesOnce) {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock(QDate(2026, 12, 10));
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    const QString file = temp.folder() + QStringLiteral("/periodicals.conf");
    CatalogueServerWindow window(services, CatalogueServers(file));
    const std::pair<const char*, bool> cases[] = {
        {"catalog.example.ac.th:210/Default", true},
        {"http://catalog.example.ac.th/sru", true},
        {"unix:/run/zebra.sock", true},
        {"catalog.example.ac.th", false},  // no port
        {"  ", false},
        {"catalog.example.ac.th:210/Default", false},  // listed already
        {"host:210/a b", false},
    };
    for (const auto& [address, kept] : cases)
        EXPECT_EQ(window.add(QLatin1String(address)), kept) << address;
    EXPECT_EQ(messages.shown().size(), 4u);
    window.remove(1);
    ASSERT_TRUE(window.save());
    EXPECT_EQ(CatalogueServers(file).list(),
              QStringList({"catalog.example.ac.th:210/Default", "unix:/run/zebra.sock"}));
}
