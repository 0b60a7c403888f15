#include <gtest/gtest.h>

#include "patterns/PatternRecords.h"
#include "patterns/PatternWindow.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

namespace {

// The pattern window on 15/03/2008 for a monthly title of 12 issues a volume.
class PatternWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db().exec(
            "INSERT INTO vorlen1 (pointer, vorlen_name, magtype_code, number_per_volume,"
            " volume_per_year) VALUES ('J000001', 'Nature', '04', '12', '1')");
        w = std::make_unique<patterns::PatternWindow>(services);
        ASSERT_TRUE(w->Form_Load());
        w->showTitle("J000001");
    }
    data::Database& db() { return temp.db(); }
    QStringList column(int c) const {
        QStringList out;
        for (int r = 1; r < w->previewGrid.rows(); ++r)
            out << w->previewGrid.textMatrix(r, c);
        return out;
    }

    testing_support::TempDatabase temp;
    ui::FakeMessageBox box;
    ui::FixedClock clock{QDate(2008, 3, 15)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), box, clock, opener, newdealer};
    std::unique_ptr<patterns::PatternWindow> w;
};

}  // namespace

TEST_F(PatternWindowTest, ShowsTheNextTwelveIssuesAsTheFieldsChangeAndSavesThePattern) {
    EXPECT_EQ(w->frequencyList.text(), "รายเดือน") << "from the title's frequency code";
    EXPECT_EQ(w->graceDaysText.text(), "20");
    w->knownDateText.setText("01/01/2008");
    w->knownVolumeText.setText("12");
    w->omittedMonthsText.setText("7");
    w->issuesPerVolumeText.setText("11");
    ASSERT_EQ(w->previewGrid.rows(), 13);
    EXPECT_EQ(column(patterns::PatternWindow::publishedColumn).mid(0, 6),
              (QStringList{"01/04/2008", "01/05/2008", "01/06/2008", "01/08/2008", "01/09/2008",
                           "01/10/2008"}));
    EXPECT_EQ(column(patterns::PatternWindow::issueColumn).mid(8, 3), (QStringList{"1", "2", "3"}))
        << "a new volume in January";
    EXPECT_EQ(w->previewGrid.textMatrix(1, patterns::PatternWindow::chronologyColumn),
              "ปีที่ 12 ฉบับที่ 4 เมษายน 2551");
    w->christianOption.click();
    EXPECT_EQ(w->previewGrid.textMatrix(1, patterns::PatternWindow::chronologyColumn),
              "ปีที่ 12 ฉบับที่ 4 เมษายน 2008");

    w->saveButton.click();
    EXPECT_EQ(box.last().text, "บันทึกรูปแบบการออกของวารสารนี้แล้ว");
    patterns::PatternRecords records(db());
    const auto stored = records.pattern("J000001");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->pattern.omittedMonths, QList<int>{7});
    EXPECT_EQ(stored->pattern.knownDate, QDate(2008, 1, 1));
    EXPECT_EQ(records.era(), patterns::Era::Christian);

    // Opened again, it shows what was saved, not the preset.
    patterns::PatternWindow again(services);
    ASSERT_TRUE(again.Form_Load());
    again.showTitle("J000001");
    EXPECT_EQ(again.omittedMonthsText.text(), "7");
    EXPECT_EQ(again.issuesPerVolumeText.text(), "11");
    EXPECT_TRUE(again.christianOption.value());
    EXPECT_TRUE(again.removeButton.enabled());
}

TEST_F(PatternWindowTest, FieldsThatMakeNoPatternShowWhyAndSaveNothing) {
    const struct {
        ui::TextBox patterns::PatternWindow::*field;
        const char* text;
    } cases[] = {
        {&patterns::PatternWindow::knownDateText, "31/02/2008"},
        {&patterns::PatternWindow::knownIssueText, "x"},
        {&patterns::PatternWindow::omittedMonthsText, "1 2 3 4 5 6 7 8 9 10 11 12"},
        {&patterns::PatternWindow::leadDaysText, "-1"},
    };
    for (const auto& c : cases) {
        const QString before = (w.get()->*c.field).text();
        (w.get()->*c.field).setText(c.text);
        EXPECT_FALSE(w->problemLabel.caption().isEmpty()) << c.text;
        EXPECT_EQ(w->previewGrid.rows(), 1);
        EXPECT_FALSE(w->saveButton.enabled());
        w->saveButton_Click();
        EXPECT_EQ(box.last().style, ui::msg::kStop);
        (w.get()->*c.field).setText(before);
    }
    EXPECT_FALSE(patterns::PatternRecords(db()).pattern("J000001"));
    EXPECT_TRUE(w->saveButton.enabled());
}

// A title handed over from the search or the title window replaces fields the
// clerk changed only when the clerk says so; untouched or saved fields give way.
TEST_F(PatternWindowTest, AHandedOverTitleAsksBeforeDroppingChangedFields) {
    db().exec(
        "INSERT INTO vorlen1 (pointer, vorlen_name, magtype_code, number_per_volume,"
        " volume_per_year) VALUES ('J000002', 'Science', '02', '52', '1')");
    w->showTitle("J000002");
    EXPECT_TRUE(box.shown().empty()) << "nothing was typed";
    const struct {
        const char* next;
        int answer;
        bool replaced;
    } cases[] = {{"J000001", ui::msg::kCancel, false},
                 {"J000002", ui::msg::kCancel, false},
                 {"J000001", ui::msg::kOk, true}};
    for (const auto& c : cases) {
        w->showTitle("J000002");
        w->graceDaysText.setText("45");
        box.clear();
        box.queue(c.answer);
        w->showTitle(c.next);
        ASSERT_EQ(box.shown().size(), 1u) << c.next;
        EXPECT_EQ(box.last().text,
                  "กำลังแก้ไขรูปแบบการออกของ \"Science\" ซึ่งยังไม่ได้บันทึก ต้องการยกเลิกการแก้ไขนี้ก่อนหรือไม่");
        EXPECT_EQ(w->graceDaysText.text(), c.replaced ? "20" : "45") << c.next;
        EXPECT_TRUE(w->titleLabel.caption().startsWith(c.replaced ? c.next : "J000002"));
    }
    w->graceDaysText.setText("45");
    w->saveButton.click();
    box.clear();
    w->showTitle("J000002");
    EXPECT_TRUE(box.shown().empty()) << "a saved pattern gives way";
    EXPECT_EQ(w->openEntry(), "");
}
