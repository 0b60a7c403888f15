#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <functional>

#include "ui/qt/OpenFileDialog.h"
#include "ui/qt/QtPrinting.h"
#include "ui/qt/SaveFileDialog.h"

namespace {

// Runs `answer` on the file dialog once it is up.
void whenDialogOpens(std::function<void(QFileDialog*)> answer) {
    QTimer::singleShot(0, [answer] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                answer(dialog);
                return;
            }
        whenDialogOpens(answer);
    });
}

QString labelText(QFileDialog* d, const char* name) {
    auto* l = d->findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}

void press(QFileDialog* d, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(d->findChild<QDialogButtonBox*>("buttonBox")->button(which), Qt::LeftButton);
}

// The texts of an open file dialog that hold Latin letters: tool tips,
// menus, labels, buttons, column headings and the side panel's places (a
// folder keeps its own name).
QStringList latinTexts(QFileDialog* d) {
    const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    QStringList english;
    d->setViewMode(QFileDialog::Detail);
    auto check = [&](const QString& where, const QString& text) {
        if (text.contains(latin))
            english << where + ": " + text;
    };
    for (auto* b : d->findChildren<QToolButton*>())
        check("tool tip", b->toolTip());
    for (auto* a : d->findChildren<QAction*>())
        check("menu", a->text());
    for (auto* l : d->findChildren<QLabel*>())
        check("label", l->text());
    for (auto* b : d->findChildren<QPushButton*>())
        check("button", b->text());
    const QAbstractItemModel* files = d->findChild<QTreeView*>("treeView")->model();
    for (int c = 0; c < files->columnCount(); ++c)
        check("heading", files->headerData(c, Qt::Horizontal).toString());
    const QAbstractItemModel* places = d->findChild<QListView*>("sidebar")->model();
    for (int r = 0; r < places->rowCount(); ++r) {
        const QModelIndex place = places->index(r, 0);
        const QUrl url = place.data(Qt::UserRole + 1).toUrl();
        if (place.data().toString() != QFileInfo(url.toLocalFile()).fileName())
            check("place", place.data().toString());
    }
    return english;
}

struct Home : ::testing::Test {
    QTemporaryDir home;
    QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    Home() {
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~Home() override {
        qputenv("HOME", oldHome);
        if (!oldConfig.isEmpty())
            qputenv("XDG_CONFIG_HOME", oldConfig);
    }
};

}  // namespace

TEST_F(Home, ThePdfDialogIsThaiProposesTheNameAndStartsAtHomeOrDocuments) {
    ui::qt::QtPrinting printing;
    const QString proposed = QStringLiteral("วารสารหมดอายุ-01-01-2027-31-01-2027.pdf");
    QString folder, name, captions;
    whenDialogOpens([&](QFileDialog* d) {
        folder = d->directory().absolutePath();
        name = d->findChild<QLineEdit*>("fileNameEdit")->text();
        captions =
            d->windowTitle() + labelText(d, "lookInLabel") + labelText(d, "fileNameLabel") +
            labelText(d, "fileTypeLabel") +
            d->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->text();
        press(d, QDialogButtonBox::Save);
    });
    EXPECT_EQ(printing.askPdfPath(proposed), home.path() + u'/' + proposed);
    EXPECT_EQ(folder, home.path()) << "no Documents folder: the home folder";
    EXPECT_EQ(name, proposed);
    EXPECT_EQ(captions, QStringLiteral("บันทึกเป็นไฟล์ PDFบันทึกใน:ชื่อไฟล์:ชนิดไฟล์:บันทึก"));

    ASSERT_TRUE(QDir(home.path()).mkdir("Documents"));
    whenDialogOpens([&](QFileDialog* d) {
        folder = d->directory().absolutePath();
        d->findChild<QLineEdit*>("fileNameEdit")->setText("list");
        press(d, QDialogButtonBox::Save);
    });
    EXPECT_EQ(printing.askPdfPath(proposed), home.path() + QStringLiteral("/Documents/list.pdf"));
    EXPECT_EQ(folder, home.path() + QStringLiteral("/Documents"));

    whenDialogOpens([&](QFileDialog* d) { press(d, QDialogButtonBox::Cancel); });
    EXPECT_EQ(printing.askPdfPath(proposed), std::nullopt);
}

namespace {

// Runs `answer` on the message box the dialog asks once it is up.
void whenQuestionOpens(std::function<void(QMessageBox*)> answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer(box);
            return;
        }
        whenQuestionOpens(answer);
    });
}

}  // namespace

// Qt ships no Thai catalogue: tool tips, menus, the side panel, the column
// headings and the question before replacing a file are Thai all the same.
TEST_F(Home, EveryTextOfTheFileDialogIsThai) {
    QFile existing(home.path() + "/list.pdf");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QStringList english;
    QString question, buttons;
    whenDialogOpens([&](QFileDialog* d) {
        english = latinTexts(d);
        d->findChild<QLineEdit*>("fileNameEdit")->setText("list");
        whenQuestionOpens([&](QMessageBox* box) {
            question = box->text();
            for (QAbstractButton* b : box->buttons())
                buttons += b->text() + u'|';
            box->button(QMessageBox::Yes)->click();
        });
        press(d, QDialogButtonBox::Save);
    });
    EXPECT_EQ(ui::qt::askSaveFile(nullptr, QStringLiteral("บันทึก CSV"), "x.pdf",
                                  QStringLiteral("ไฟล์ PDF"), "pdf"),
              home.path() + "/list.pdf");
    EXPECT_EQ(english, QStringList());
    EXPECT_EQ(question, QStringLiteral("มีไฟล์ list.pdf อยู่แล้ว\nต้องการบันทึกทับไฟล์นี้หรือไม่"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("ใช่|")) &&
                buttons.contains(QStringLiteral("ไม่ใช่|")))
        << buttons.toStdString();
}

// The dialogs that pick a file or a folder to read are Thai as well.
TEST_F(Home, TheDialogsThatOpenAFileOrAFolderAreThaiToo) {
    const std::pair<const char*, std::function<std::optional<QString>()>> cases[] = {
        {"file",
         [] {
             return ui::qt::askOpenFile(nullptr, QStringLiteral("เลือกแฟ้ม"),
                                        QStringLiteral("แฟ้ม Access"), QStringLiteral("*.mdb"));
         }},
        {"folder", [] { return ui::qt::askFolder(nullptr, QStringLiteral("เลือกโฟลเดอร์")); }},
    };
    for (const auto& [what, ask] : cases) {
        QStringList english{"not shown"};
        whenDialogOpens([&](QFileDialog* d) {
            english = latinTexts(d);
            d->reject();
        });
        EXPECT_EQ(ask(), std::nullopt) << what;
        EXPECT_EQ(english, QStringList()) << what;
    }
}
