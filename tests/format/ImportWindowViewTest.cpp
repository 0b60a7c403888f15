#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "format/ImportWindowView.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "tests/support/TempDatabase.h"
#include "ui/qt/QtMessageBox.h"

// The import and the export from the settings menu of the real main window.

namespace {

// Answers the file dialogs with a path (taken as it stands, never opened as a
// folder) and each message box with its first
// button, remembering what the boxes said.
class Answers : public QObject {
  public:
    explicit Answers(QString path) : path_(std::move(path)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!w->isVisible())
                    continue;
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    said << box->text();
                    box->buttons().constFirst()->click();
                } else if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
                    dialog->selectFile(path_);
                    static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
                }
            }
        });
        timer_.start(20);
    }
    void answerWith(const QString& path) { path_ = path; }
    QStringList said;

  private:
    QString path_;
    QTimer timer_;
};

qint64 count(data::Database& db, const char* table) {
    return db.first((QByteArray("SELECT count(*) FROM ") + table).constData())
        ->value(0)
        .toLongLong();
}

TEST(ImportWindowView, ShowsTheFileBeforeWritingThenImportsAndExportsFromTheMenu) {
    testing_support::TempDatabase temp;
    ui::qt::QtMessageBox startMessages;
    auto main = shell::startProgram(temp.path(), QDate(2026, 6, 1), startMessages);
    Answers answers(QStringLiteral(VORLEN_FIXTURES_DIR "/desk.mdb"));

    main->findChild<QAction*>(QStringLiteral("importAccess"))->trigger();
    auto* view = qobject_cast<format::ImportWindowView*>(main->instance("AccessImport"));
    ASSERT_TRUE(view);
    auto* importButton = view->findChild<QPushButton*>(QStringLiteral("importButton"));
    EXPECT_FALSE(importButton->isEnabled());

    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("chooseButton")),
                      Qt::LeftButton);
    EXPECT_TRUE(view->findChild<QPlainTextEdit*>(QStringLiteral("summaryText"))
                    ->toPlainText()
                    .contains(QStringLiteral("tranfile: 3003 แถว")));
    const auto* doubts = view->findChild<QTableWidget*>(QStringLiteral("doubtfulList"));
    EXPECT_EQ(doubts->rowCount(), int(view->logic().report().doubts.size()));
    EXPECT_GT(doubts->rowCount(), 0);
    EXPECT_EQ(count(temp.db(), "tranfile"), 0);  // nothing written yet
    ASSERT_TRUE(importButton->isEnabled());

    QTest::mouseClick(importButton, Qt::LeftButton);
    EXPECT_EQ(count(temp.db(), "tranfile"), 3003);
    ASSERT_FALSE(answers.said.isEmpty());
    EXPECT_TRUE(answers.said.last().startsWith(QStringLiteral("นำเข้าข้อมูลเรียบร้อยแล้ว")));
    EXPECT_TRUE(QFile::exists(view->logic().reportPath()));
    EXPECT_FALSE(importButton->isEnabled());
    QFile::remove(view->logic().reportPath());  // on a server it is in the user's folder

    const QString folder = temp.folder() + QStringLiteral("/export");
    QDir().mkpath(folder);
    answers.answerWith(folder);
    main->findChild<QAction*>(QStringLiteral("exportCsv"))->trigger();
    EXPECT_TRUE(answers.said.last().contains(QStringLiteral("tranfile: 3003 แถว")))
        << answers.said.last().toStdString();
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/vorlen1.csv")))
        << answers.said.last().toStdString();
}

}  // namespace
