#include "tests/catalogue/NewJournalFixture.h"

using testing_support::NewJournalWindow;

TEST(IssnCheck, AWrongCheckDigitWarnsAndTheTitleIsStillSaved) {
    NewJournalWindow f;
    auto& w = f.w;
    const std::pair<QString, bool> cases[] = {
        {"1234-5678", true},   // the check digit should be 9
        {"12345670", true},    //
        {"1234-56", true},     // no ISSN at all
        {"0317-8471", false},  //
        {"2434-561x", false},  // a check X typed small
        {" ", false},          // none given
    };
    int n = 0;
    for (const auto& [issn, warned] : cases) {
        f.messages.clear();
        w.Cmdadd.click();
        f.fillEntry(QStringLiteral("Title %1").arg(++n));
        w.Mask2.setText(issn);
        w.Cmdsave.click();
        bool warning = false;
        for (const auto& m : f.messages.shown())
            if (m.style == ui::msg::kWarning) {
                warning = true;
                EXPECT_EQ(m.caption, "ตรวจสอบ ISSN");
                EXPECT_TRUE(m.text.contains(issn.trimmed()));
            }
        EXPECT_EQ(warning, warned) << issn.toStdString();
        EXPECT_EQ(f.messages.last().text, "การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว");
        EXPECT_EQ(f.count("vorlen1"), n) << "saved as typed";
    }
}

TEST(TitleHandedOver, IsLoadedAsIfPickedFromTheList) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString key = f.addTitle("Ocean Letters");
    f.addTitle("River Letters");
    w.Text2.setText("Letters");
    w.Text2.doubleClick();
    ASSERT_TRUE(w.dlbnamemag.visible());

    w.showTitle(key);
    EXPECT_FALSE(w.dlbnamemag.visible());
    EXPECT_EQ(w.Text1.text(), key);
    EXPECT_EQ(w.Text2.text(), "Ocean Letters");
    EXPECT_EQ(w.Text11.text(), "1500");
    EXPECT_TRUE(w.Cmdedit.enabled());
    EXPECT_TRUE(w.Cmddel.enabled());
}
