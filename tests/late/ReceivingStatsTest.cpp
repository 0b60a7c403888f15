#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <tuple>

#include "late/ReceivingStats.h"
#include "late/ReceivingStatsView.h"
#include "tests/late/LateFixture.h"
#include "tests/renewal/FakePrinting.h"
#include "tests/support/PdfText.h"
#include "ui/Fakes.h"

namespace {

struct Stats : ::testing::Test, late_testing::Desk {
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2026, 12, 8)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};

    // Hand-counted: in 2026 the science faculty (03) received 2 journals in
    // January and 1 newspaper in February; the centre (01) 1 journal in
    // December. Issues of 2025, without a readable date or of a faculty code
    // without its row fall where the comments say.
    void seed() {
        issue("J1", "03", QDate(2026, 1, 5));
        issue("I2", "03", QDate(2026, 1, 31));
        issue("K1", "03", QDate(2026, 2, 1));
        issue("J1", "01", QDate(2026, 12, 31));
        issue("J1", "01", QDate(2025, 12, 31));  // another year
        temp.db().exec(
            "INSERT INTO tranfile (pointer, department_code, receivedate)"
            " VALUES ('J1', '01', 'ไม่ทราบ')");  // unreadable: not counted
        issue("L9", "99", QDate(2026, 7, 4));   // faculty shown by its code
    }
};

QString counts(const late::MonthCounts& row) {
    QStringList out;
    for (int n : row.months)
        out << QString::number(n);
    return row.group + ":" + out.join(',') + "=" + QString::number(row.total());
}

}  // namespace

TEST_F(Stats, TotalsByFacultyAndByKindMatchAHandCount) {
    seed();
    const late::ReceivingStats stats(temp.db());
    QStringList faculty;
    for (const auto& row : stats.byMonth(2026, late::Grouping::Faculty))
        faculty << counts(row);
    EXPECT_EQ(faculty,
              QStringList({QStringLiteral("ศูนย์วิทยบริการ:0,0,0,0,0,0,0,0,0,0,0,1=1"),
                           QStringLiteral("คณะวิทยาศาสตร์และเทคโนโลยี:2,1,0,0,0,0,0,0,0,0,0,0=3"),
                           QStringLiteral("99:0,0,0,0,0,0,1,0,0,0,0,0=1")}));
    QStringList kind;
    for (const auto& row : stats.byMonth(2026, late::Grouping::Kind))
        kind << counts(row);
    EXPECT_EQ(kind, QStringList({QStringLiteral("วารสาร:2,0,0,0,0,0,0,0,0,0,0,1=3"),
                                 QStringLiteral("หนังสือพิมพ์:0,1,0,0,0,0,1,0,0,0,0,0=2")}));
    EXPECT_TRUE(stats.byMonth(2024, late::Grouping::Kind).empty());
}

TEST_F(Stats, TheWindowShowsTheTableTheChartAndSavesBoth) {
    seed();
    late::ReceivingStatsView view(services);
    ASSERT_TRUE(view.load());
    late::ReceivingStatsWindow& w = view.logic();
    EXPECT_EQ(w.yearText.text(), "2026");
    ASSERT_EQ(w.statsGrid.rows(), 5);  // headings, three faculties, total
    EXPECT_EQ(w.statsGrid.textMatrix(4, 0), QStringLiteral("รวม"));
    EXPECT_EQ(w.statsGrid.textMatrix(4, 1), "2");
    EXPECT_EQ(w.statsGrid.textMatrix(4, 13), "5");

    w.byKindOption.click();
    w.showButton.click();
    ASSERT_EQ(w.statsGrid.rows(), 4);
    auto* series = qobject_cast<QBarSeries*>(view.chartView()->chart()->series().value(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2);
    EXPECT_EQ(series->barSets()[0]->label(), QStringLiteral("วารสาร"));
    EXPECT_EQ(series->barSets()[0]->at(0), 2);
    EXPECT_EQ(series->barSets()[1]->at(6), 1);

    view.show();
    EXPECT_TRUE(view.savePng(temp.folder() + "/stats.png"));
    EXPECT_FALSE(QImage(temp.folder() + "/stats.png").isNull());
    EXPECT_TRUE(view.savePdf(temp.folder() + "/stats.pdf"));
    QFile pdf(temp.folder() + "/stats.pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    pdf.close();

    // More faculties than the window has room for: the page still holds
    // every row and the total.
    for (int code = 91; code <= 98; ++code)
        issue("J1", QString::number(code), QDate(2026, 3, 1));
    w.byFacultyOption.click();
    w.showButton.click();
    ASSERT_TRUE(view.savePdf(temp.folder() + "/many.pdf"));
    const QString page = testing_support::pdfText(temp.folder() + "/many.pdf");
    for (int code = 91; code <= 98; ++code)
        EXPECT_TRUE(page.contains(QString::number(code))) << code;
    EXPECT_TRUE(page.contains(QStringLiteral("รวม")));
    EXPECT_TRUE(page.contains(QStringLiteral("13")));  // the year's total

    w.yearText.setText("20x6");
    w.showButton.click();
    EXPECT_EQ(box.last().style, ui::msg::kStop);
    EXPECT_EQ(w.focus(), &w.yearText);
    w.yearText.setText("2024");
    w.showButton.click();
    EXPECT_FALSE(w.pdfButton.enabled());
    // Enter on the year shows it without reaching for the button.
    w.yearText.setText("2026");
    w.yearText.typeKey(ui::key::kEnter);
    EXPECT_TRUE(w.pdfButton.enabled());
    EXPECT_EQ(w.yearText.text(), "2026");

    // Tab from the table goes on to the buttons, past the chart.
    auto* table = view.findChild<QTableView*>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(),
              view.findChild<QPushButton*>(QStringLiteral("printButton")));

    // Escape closes the window, as the close button does.
    auto* year = view.findChild<QLineEdit*>(QStringLiteral("yearText"));
    ASSERT_NE(year, nullptr);
    QTest::keyClick(year, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(Stats, PrintingWithoutAPrinterOffersThePdfInstead) {
    seed();
    late::ReceivingStatsWindow w(services);
    ASSERT_TRUE(w.Form_Load());
    std::vector<late::ReceivingStatsWindow::Output> outputs;
    w.onOutput = [&](late::ReceivingStatsWindow::Output to) { outputs.push_back(to); };

    box.queue(ui::msg::kCancel);
    w.printButton.click();
    EXPECT_TRUE(outputs.empty());
    EXPECT_EQ(box.last().style, ui::msg::kConfirm);
    w.printButton.click();  // OK
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0], late::ReceivingStatsWindow::Output::Pdf);

    renewal_test::FakePrinting printing;
    ui::Services withPrinter{temp.path(), box, clock, opener, newdealer, &printing};
    late::ReceivingStatsWindow printed(withPrinter);
    ASSERT_TRUE(printed.Form_Load());
    printed.onOutput = [&](late::ReceivingStatsWindow::Output to) { outputs.push_back(to); };
    const size_t asked = box.shown().size();
    printed.printButton.click();
    EXPECT_EQ(outputs.back(), late::ReceivingStatsWindow::Output::Printer);
    EXPECT_EQ(box.shown().size(), asked);
}

namespace {

// Names the file in the save dialog once it is up, and saves.
void saveAs(const QString& path) {
    QTimer::singleShot(0, [path] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                dialog->findChild<QDialogButtonBox*>("buttonBox")
                    ->button(QDialogButtonBox::Save)
                    ->click();
                return;
            }
        saveAs(path);
    });
}

}  // namespace

// A faculty name wider than its column wraps on the page instead of running
// under the months; the chart counts in round steps; a save says where.
TEST_F(Stats, TheSavedReportKeepsWholeNamesAndRoundTicksAndSaysWhere) {
    seed();
    const QString longName = QStringLiteral(
        "คณะวิทยาศาสตร์และเทคโนโลยี สาขาวิชาวิทยาการคอมพิวเตอร์และเทคโนโลยีสารสนเทศ ภาคพิเศษ นอกเวลาราชการ");
    temp.db().exec("INSERT INTO department VALUES ('20', ?)", {longName});
    late::ReceivingStatsView view(services);
    ASSERT_TRUE(view.load());
    view.show();
    auto* year = view.findChild<QLineEdit*>(QStringLiteral("yearText"));
    for (const auto& [extra, top, step] : {std::tuple{0, 2, 1}, {34, 35, 5}, {4, 40, 5}}) {
        for (int n = 0; n < extra; ++n)
            issue("J1", "20", QDate(2026, 3, 2));
        view.logic().yearText.setText("2026");
        QTest::keyClick(year, Qt::Key_Return);
        auto* axis = qobject_cast<QValueAxis*>(view.chartView()->chart()->axes(Qt::Vertical)[0]);
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->max(), top) << extra;
        EXPECT_EQ(axis->tickCount(), top / step + 1) << extra;
    }

    const QString pdf = temp.folder() + QStringLiteral("/สถิติ");
    saveAs(pdf);
    QTest::mouseClick(view.findChild<QPushButton*>("pdfButton"), Qt::LeftButton);
    ASSERT_FALSE(box.shown().empty());
    EXPECT_EQ(box.last().text, QStringLiteral("บันทึกสถิติเป็นไฟล์ PDF แล้วที่ ") + pdf + ".pdf");
    EXPECT_EQ(box.last().style, ui::msg::kInformation);
    saveAs(temp.folder() + "/stats");
    QTest::mouseClick(view.findChild<QPushButton*>("pngButton"), Qt::LeftButton);
    EXPECT_EQ(box.last().text,
              QStringLiteral("บันทึกสถิติเป็นไฟล์ PNG แล้วที่ ") + temp.folder() + "/stats.png");

    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    double january = -1, chartTop = 1e9;
    struct Word {
        double left, top, right;
        QString text;
    };
    std::vector<Word> table;
    const QString boxes = testing_support::pdfText(pdf + ".pdf", {"-bbox"});
    for (const auto& m : word.globalMatch(boxes)) {
        const Word w{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4)};
        if (january < 0 && w.text == QLocale(QLocale::Thai).monthName(1, QLocale::ShortFormat))
            january = w.left;
        if (w.text.startsWith(QStringLiteral("จำนวนฉบับ")) ||
            w.text.startsWith(QStringLiteral("จํานวนฉบับ")))
            chartTop = w.top;
        table.push_back(w);
    }
    ASSERT_GT(january, 0);
    // No text of the table runs from the names under the months, and the
    // long name's last line is there, left of them.
    bool lastLine = false;
    for (const Word& w : table) {
        if (w.top >= chartTop)
            continue;
        EXPECT_FALSE(w.left < january && w.right > january) << w.text.toStdString();
        lastLine |= w.text == QStringLiteral("นอกเวลาราชการ") && w.right <= january;
    }
    EXPECT_TRUE(lastLine);
}
