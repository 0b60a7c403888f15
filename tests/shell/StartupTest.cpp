#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "ui/Fakes.h"

TEST(Startup, FirstRunCreatesTheDatabaseAndADailyBackup) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/data/Vorlen.db";
    ui::FakeMessageBox messages;
    const auto window = shell::startProgram(path, QDate(2026, 12, 8), messages);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QFile::exists(path));
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown().empty());
    // The copy is made on a thread of its own after the window is shown.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(dir.path() + "/data/backups/Vorlen-2026-12-08.db"); }, 5000));
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
    const auto window = shell::startProgram(path, QDate(2026, 12, 8), messages);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().style, ui::msg::kStop);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("เปิดฐานข้อมูลไม่ได้")));
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), "minutes of the staff meeting");
}
