#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QThread>

#include "catalogue/TitleRecords.h"
#include "data/DatabaseFile.h"
#include "data/DbError.h"
#include "publishers/Adddealer.h"
#include "tests/support/ReadOnly.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

namespace {

catalogue::TitleValues title(const QString& name) {
    catalogue::TitleValues v;
    v.name = name;
    v.languageCode = QStringLiteral("01");
    return v;
}

}  // namespace

TEST(Storage, AFullDiskRefusesTheWholeSaveWithAClearMessage) {
    testing_support::TempDatabase temp;
    auto& db = temp.db();
    const int pages = db.first("PRAGMA page_count")->value(0).toInt();
    db.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages).toUtf8().constData());
    catalogue::TitleRecords records(db);
    try {
        // Long names fill the last page quickly.
        for (int i = 0; i < 200; ++i)
            records.addTitle(1, title(QString(250, QChar(u'ก'))));
        FAIL() << "the disk never filled";
    } catch (const data::DbError& e) {
        EXPECT_EQ(e.code() & 0xff, SQLITE_FULL);
        EXPECT_TRUE(e.thaiMessage().startsWith(QStringLiteral("พื้นที่เก็บข้อมูลเต็ม")));
    }
    const int titles = db.first("SELECT count(*) FROM vorlen1")->value(0).toInt();
    EXPECT_EQ(db.first("SELECT count(*) FROM typeclass")->value(0).toInt(), titles);
    EXPECT_EQ(db.first("SELECT next_key1 FROM recsetup")->text(0),
              QStringLiteral("J%1").arg(titles + 1, 6, 10, QChar(u'0')));
}

TEST(Storage, AReadOnlyFolderIsReportedNotCrashedOn) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    testing_support::TempDatabase temp;
    QFile::setPermissions(temp.folder(), QFile::ReadOwner | QFile::ExeOwner);
    try {
        data::Database db(temp.path());
        catalogue::TitleRecords(db).addTitle(1, title("x"));
        ADD_FAILURE() << "a save in a read-only folder was reported done";
    } catch (const data::DbError& e) {
        EXPECT_FALSE(e.thaiMessage().isEmpty());
    }
    QFile::setPermissions(temp.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Storage, OnAReadOnlyMountWindowsReadAndEverySaveIsRefusedClearly) {
    testing_support::TempDatabase temp;
    temp.reopen();
    testing_support::ReadOnly lock(temp.path(), true);
    ASSERT_TRUE(lock.applied());
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2026, 12, 8)};
    ui::RecordingOpener opener;
    QString newdealer = QStringLiteral("สำนักพิมพ์ใหม่");
    ui::Services services{temp.path(), box, clock, opener, newdealer};

    publishers::Adddealer w(services);
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(w.Text1.text(), "6") << "the next code is read from the file";
    bool closed = false;
    w.onUnload = [&] { closed = true; };
    w.Command1.click();
    EXPECT_FALSE(closed);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_TRUE(box.last().text.startsWith(QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว")))
        << box.last().text.toStdString();
    EXPECT_TRUE(w.Command1.enabled());
    EXPECT_EQ(data::Database(temp.path()).first("SELECT count(*) FROM dealer")->value(0).toInt(),
              5);
}

TEST(SecondWriter, TwoProgramsSavingAtOnceNeverShareAKeyOrANumber) {
    testing_support::TempDatabase temp;
    QProcess first, second;
    first.start(QStringLiteral(CRASH_WRITER), {temp.path(), "1"});
    second.start(QStringLiteral(CRASH_WRITER), {temp.path(), "2"});
    ASSERT_TRUE(first.waitForStarted() && second.waitForStarted());
    QThread::msleep(1500);
    first.kill();
    second.kill();
    first.waitForFinished();
    second.waitForFinished();
    auto& db = temp.db();
    EXPECT_GT(db.first("SELECT count(*) FROM vorlen1")->value(0).toInt(), 10);
    const auto twice = db.first("SELECT pointer FROM vorlen1 GROUP BY pointer HAVING count(*) > 1");
    EXPECT_FALSE(twice) << "key given twice: " << twice->text(0).toStdString();
    EXPECT_GT(db.first("SELECT count(*) FROM tranfile")->value(0).toInt(), 10);
    const auto number =
        db.first("SELECT magno FROM tranfile GROUP BY trim(magno) HAVING count(*) > 1");
    EXPECT_FALSE(number) << "registration number given twice: " << number->text(0).toStdString();
}
