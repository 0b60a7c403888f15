#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/qt/QtPrinting.h"

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
