#include "tests/catalogue/NewJournalFixture.h"

using testing_support::NewJournalWindow;

namespace {

const QString kBadDate = "พิมพ์ข้อมูลวันที่ผิดพลาด ใช้รูปแบบ DD/MM/YYYY";

// An unlocked window whose date and number fields start empty.
struct Entry : NewJournalWindow {
    Entry() {
        w.Cmdadd.click();
        for (ui::TextBox* box : {&w.Mask1, &w.Mask2, &w.Mask3, &w.Mask4, &w.Mask5, &w.Text7,
                                 &w.Text8, &w.Text9, &w.Text11, &w.Text12})
            box->setText("");
        messages.clear();
    }
};

}  // namespace

TEST(DateKeys, SeparatorsAppearAsTheUserTypes) {
    Entry f;
    for (ui::TextBox* date : {&f.w.Mask1, &f.w.Mask3, &f.w.Mask4, &f.w.Mask5}) {
        date->typeText("01012020");
        EXPECT_EQ(date->text(), "01/01/2020") << date->name().toStdString();
        date->typeText("9");
        EXPECT_EQ(date->text(), "01/01/2020") << "ten characters at most";
    }
    auto& m = f.w.Mask3;
    const std::pair<QString, QString> odd[] = {
        {"12/", "12//"}, {"12a", "12/a"}, {"1a2", "12"}, {"ab-", ""}, {"12/05x1", "12//0/51"}};
    for (const auto& [typed, shown] : odd) {
        m.setText("");
        m.typeText(typed);
        EXPECT_EQ(m.text(), shown) << typed.toStdString();
    }
    // Space and Escape are not control codes; Thai digits are not digits.
    m.setText("1");
    m.setSelStart(1);
    m.typeKey(' ');
    m.typeKey(27);
    m.typeKey(0x0E51);
    EXPECT_EQ(m.text(), "1");
    m.typeKey(ui::key::kBackspace);
    EXPECT_EQ(m.text(), "");
    EXPECT_TRUE(f.messages.shown().empty());
}

TEST(DateKeys, SelectionsClicksAndPaste) {
    Entry f;
    auto& m = f.w.Mask4;
    m.setText("01/01/2020");
    m.click();
    EXPECT_EQ(m.selStart(), 0);
    EXPECT_EQ(m.selLength(), 10);
    m.typeKey('3');
    EXPECT_EQ(m.text(), "3") << "a digit replaces the selected date";

    // Two characters selected out of two: the separator goes on the end.
    m.setText("12");
    m.click();
    EXPECT_EQ(m.selLength(), 2);
    m.typeKey('3');
    EXPECT_EQ(m.text(), "12/3");

    // Ctrl+V passes the filter, up to the maximum length.
    m.setText("");
    m.paste("abcdefghijklmno");
    EXPECT_EQ(m.text(), "abcdefghij");
    m.setText("");
    m.paste("01/13/2020");
    EXPECT_EQ(f.messages.last().text, kBadDate);
    EXPECT_EQ(f.messages.last().caption, "รูปแบบข้อมูลผิดพลาด");
    EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
    EXPECT_EQ(m.text(), "01/13/2020");
    EXPECT_EQ(m.selLength(), 10);

    // Mask1 selects ten characters from the start; the others the trimmed length.
    f.w.Mask1.setText(" 1/2/3");
    f.w.Mask1.click();
    EXPECT_EQ(f.w.Mask1.selLength(), 6);
    f.w.Mask1.setText("01/02/2020  ");
    f.w.Mask1.click();
    EXPECT_EQ(f.w.Mask1.selLength(), 10);
    f.w.Text11.setText(" 150 ");
    f.w.Text11.click();
    EXPECT_EQ(f.w.Text11.selStart(), 0);
    EXPECT_EQ(f.w.Text11.selLength(), 3);
    f.w.Mask2.setText("1234-5678");
    f.w.Mask2.click();
    EXPECT_EQ(f.w.Mask2.selLength(), 9);
}

TEST(DateKeys, MonthCheckOnEveryChange) {
    Entry f;
    auto& w = f.w;
    w.Mask5.typeText("01132020");
    ASSERT_EQ(f.messages.shown().size(), 1u);
    EXPECT_EQ(f.messages.last().text, kBadDate);
    EXPECT_EQ(w.Mask5.text(), "01/13/2020") << "the wrong text stays";
    EXPECT_EQ(w.Mask5.selLength(), 10) << "selected for retyping";
    w.Mask5.typeKey('4');
    EXPECT_EQ(w.Mask5.text(), "4");

    f.messages.clear();
    w.Mask1.typeText("45122020");
    w.Mask3.typeText("00000000");
    w.Mask4.setText("31/12/2024");
    EXPECT_TRUE(f.messages.shown().empty());

    // Text set by the program is checked too, including in a locked window.
    w.Mask4.setText("31/13/2024");
    EXPECT_EQ(f.messages.shown().size(), 1u);
    w.Mask3.setText("31/99/2024");
    EXPECT_EQ(f.messages.shown().size(), 2u);
    w.Mask1.setText("31/99/202");
    EXPECT_EQ(f.messages.shown().size(), 2u) << "nine characters are not checked";
    w.Mask2.setText("01/13/2020");
    EXPECT_EQ(f.messages.shown().size(), 2u) << "the ISSN has no month";
    EXPECT_EQ(w.baddate, 1);
}

TEST(IssnAndNumberKeys, FiltersAndEnter) {
    Entry f;
    auto& w = f.w;
    w.Mask2.typeText("12345678");
    EXPECT_EQ(w.Mask2.text(), "1234-5678");
    w.Mask2.setText(" 1234");
    w.Mask2.typeKey('x');
    EXPECT_EQ(w.Mask2.text(), "1234-x");
    w.Mask2.setText("12");
    w.Mask2.setSelStart(2);
    w.Mask2.typeText("a/3");
    EXPECT_EQ(w.Mask2.text(), "123");

    for (ui::TextBox* number : {&w.Text7, &w.Text8, &w.Text9}) {
        number->typeText("1.5-2 ,a๓9");
        EXPECT_EQ(number->text(), "1529") << number->name().toStdString();
    }
    w.setFocus(w.Text8);
    w.Text8.typeKey(ui::key::kEnter);
    EXPECT_EQ(w.focus(), &w.Text8);
    w.setFocus(w.Text7);
    w.Text7.typeKey(ui::key::kEnter);
    EXPECT_EQ(w.focus(), &w.Text11);
    EXPECT_EQ(w.Text7.text(), "1529");
    w.Text9.paste("1.25");
    EXPECT_EQ(w.Text9.text(), "15291.25") << "pasting passes";
}

TEST(IssnAndNumberKeys, AmountsKeepTheirDecimalsAndRefuseOtherKeysAloud) {
    Entry f;
    auto& w = f.w;
    int beeps = 0;
    w.onBeep = [&] { ++beeps; };
    // Fee: one point, two decimals; rate: one point, four decimals.
    const std::tuple<ui::TextBox*, QString, QString, int> cases[] = {
        {&w.Text11, "3500.50", "3500.50", 0}, {&w.Text11, "-12.5", "12.5", 1},
        {&w.Text11, "1.2.3", "1.23", 1},      {&w.Text11, "9.999", "9.99", 1},
        {&w.Text11, "1 000,a", "1000", 3},    {&w.Text12, "0.2345", "0.2345", 0},
        {&w.Text12, "0.23456", "0.2345", 1},  {&w.Text12, ".5", ".5", 0},
    };
    // Pasted text is held to the same rule as typed text.
    for (const bool pasted : {false, true})
        for (const auto& [field, typed, kept, refused] : cases) {
            field->setText("");
            beeps = 0;
            if (pasted)
                field->paste(typed);
            else
                field->typeText(typed);
            EXPECT_EQ(field->text(), kept) << typed.toStdString() << (pasted ? " pasted" : "");
            EXPECT_EQ(beeps, refused) << typed.toStdString() << (pasted ? " pasted" : "");
        }
    // A key that would replace the selection is judged on the text it makes.
    w.Text11.setText("12.34");
    w.Text11.setSelStart(3);
    w.Text11.setSelLength(2);
    w.Text11.typeText("5");
    EXPECT_EQ(w.Text11.text(), "12.5");

    // Enter in the copies moves to the fee with its whole text selected, so
    // what is typed replaces it; the amounts are stored as typed.
    f.fillEntry("วารสารญี่ปุ่น");
    for (ui::TextBox* date : {&w.Mask1, &w.Mask3, &w.Mask5})
        date->setText("01/04/2026");
    w.setFocus(w.Text7);
    w.Text7.typeKey(ui::key::kEnter);
    EXPECT_EQ(w.focus(), &w.Text11);
    w.Text11.typeText("3500.50");
    w.Text12.click();
    w.Text12.typeText("0.2345");
    w.Cmdsave.click();
    EXPECT_EQ(f.cell("SELECT price_per_year || ' ' || exchange_rate FROM vorlen"),
              "3500.50 0.2345");
}

TEST(IssnAndNumberKeys, LockedFieldsTakeNoKeys) {
    NewJournalWindow f;
    f.w.Text11.typeText("5");
    f.w.Mask3.typeText("1");
    EXPECT_EQ(f.w.Text11.text(), "0");
    EXPECT_EQ(f.w.Mask3.text(), "05/03/2026");
}
