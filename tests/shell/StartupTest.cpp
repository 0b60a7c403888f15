#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "data/IntegrityCheck.h"
#include "shell/DailyBackup.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "tests/support/FileDamage.h"
#include "tests/support/ReadOnly.h"
#include "ui/Fakes.h"

namespace {

const QDate kToday(2026, 12, 8);

bool waitForBackup(shell::MainWindow& window) {
    auto* backup = window.findChild<shell::DailyBackup*>();
    return backup && QTest::qWaitFor([&] { return !backup->running(); }, 30000);
}

// Chooses a menu command and returns the text of the message box it shows
// (closing it), or empty when none appears.
QString messageOf(shell::MainWindow& window, const char* item) {
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    window.findChild<QAction*>(item)->trigger();
    return text;
}

// A database big enough that copying it takes a good moment.
QString bigDatabase(const QTemporaryDir& dir) {
    const QString path = dir.path() + "/Vorlen.db";
    data::prepareDatabase(path);
    data::Database db(path);
    data::Transaction tx(db);
    for (int i = 0; i < 60000; ++i)
        db.exec("INSERT INTO tranfile (magno, descriptionitem) VALUES (?, ?)",
                {i, QString(250, QChar(u'ข'))});
    tx.commit();
    return path;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace

TEST(Startup, FirstRunCreatesTheDatabaseAndADailyBackup) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/data/Vorlen.db";
    ui::FakeMessageBox messages;
    const auto window = shell::startProgram(path, kToday, messages);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QFile::exists(path));
    ASSERT_TRUE(waitForBackup(*window));
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(QFile::exists(dir.path() + "/data/backups/Vorlen-2026-12-08.db"));
}

TEST(Startup, AFileThatIsNotADatabaseIsReportedAndKept) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Vorlen.db";
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("minutes of the staff meeting");
    }
    ui::FakeMessageBox messages;
    const auto window = shell::startProgram(path, kToday, messages);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().style, ui::msg::kStop);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("เปิดฐานข้อมูลไม่ได้")));
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), "minutes of the staff meeting");
}

TEST(Startup, AfterAFailedCheckEveryMenuCommandRefusesWithTheSameMessage) {
    QTemporaryDir dir;
    const QString missingTable = dir.path() + "/missing/Vorlen.db";
    data::prepareDatabase(missingTable);
    data::Database(missingTable).exec("DROP TABLE tranfile");
    const QString empty = dir.path() + "/empty/Vorlen.db";
    QDir().mkpath(dir.path() + "/empty");
    QFile(empty).open(QIODevice::WriteOnly);

    for (const QString& path : {missingTable, empty}) {
        ui::FakeMessageBox messages;
        const auto window = shell::startProgram(path, kToday, messages);
        ASSERT_EQ(messages.shown().size(), 1u) << path.toStdString();
        const std::pair<const char*, const char*> commands[] = {
            {"aaa", "NewJournal"}, {"ccc", "reg_journal"}, {"jjjj", "expdate"}};
        for (const auto& [item, name] : commands) {
            EXPECT_EQ(messageOf(*window, item), messages.last().text) << item;
            EXPECT_EQ(window->instance(QString::fromLatin1(name)), nullptr) << name;
        }
        EXPECT_FALSE(QDir(QFileInfo(path).absolutePath() + "/backups").exists());
    }
    EXPECT_EQ(QFileInfo(empty).size(), 0);
}

TEST(Startup, AReadOnlyDatabaseOpensItsWindowsForReading) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Vorlen.db";
    data::prepareDatabase(path);
    testing_support::ReadOnly lock(path, true);
    ASSERT_TRUE(lock.applied());
    ui::FakeMessageBox messages;
    const auto window = shell::startProgram(path, kToday, messages);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().style, ui::msg::kInformation);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว")));
    window->open("reg_journal");
    EXPECT_NE(window->instance("reg_journal"), nullptr);
    EXPECT_EQ(window->findChild<shell::DailyBackup*>(), nullptr);
}

TEST(Startup, ADamagedDatabaseIsNotBackedUpAndTheGoodCopyIsNamed) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Vorlen.db";
    data::prepareDatabase(path);
    {
        data::Database db(path);
        for (int i = 0; i < 200; ++i)
            db.exec("INSERT INTO tranfile (magno) VALUES (?)", {i});
    }
    QDir().mkpath(dir.path() + "/backups");
    const QString good = dir.path() + "/backups/Vorlen-2026-12-07.db";
    ASSERT_TRUE(QFile::copy(path, good));
    ASSERT_TRUE(testing_support::damageTable(path, "tranfile"));

    ui::FakeMessageBox messages;
    const auto window = shell::startProgram(path, kToday, messages);
    ASSERT_TRUE(waitForBackup(*window));
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().style, ui::msg::kStop);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("แฟ้มฐานข้อมูลเสียหาย")));
    EXPECT_TRUE(messages.last().text.contains("periodicals --restore \"" + good + "\""));
    EXPECT_EQ(filesIn(dir.path() + "/backups"), QStringList{"Vorlen-2026-12-07.db"});
}

TEST(Startup, TheWindowAnswersWhileTheBackupRunsAndClosingStopsIt) {
    QTemporaryDir dir;
    const QString path = bigDatabase(dir);
    ui::FakeMessageBox messages;
    {
        const auto window = shell::startProgram(path, kToday, messages);
        auto* backup = window->findChild<shell::DailyBackup*>();
        ASSERT_NE(backup, nullptr);
        EXPECT_TRUE(backup->running()) << "the start did not wait for the copy";
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ticks += backup->running() ? 1 : 0; });
        timer.start(1);
        ASSERT_TRUE(waitForBackup(*window));
        EXPECT_GT(ticks, 0) << "the event loop ran while the copy was made";
    }
    EXPECT_EQ(filesIn(dir.path() + "/backups"), QStringList{"Vorlen-2026-12-08.db"});

    // Closed at once on the next day: the copy is stopped and nothing half-made stays.
    {
        const auto window = shell::startProgram(path, kToday.addDays(1), messages);
        ASSERT_TRUE(window->findChild<shell::DailyBackup*>()->running());
    }
    EXPECT_EQ(filesIn(dir.path() + "/backups"), QStringList{"Vorlen-2026-12-08.db"});
    EXPECT_TRUE(data::integrityProblems(path, data::Check::Full).isEmpty());
    EXPECT_TRUE(messages.shown().empty());
}
