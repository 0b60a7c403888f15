#include <gtest/gtest.h>

#include <QFile>

#include "articles/CardPrint.h"
#include "articles/IndexCardWindow.h"
#include "tests/articles/ArticleFixture.h"
#include "tests/support/PdfText.h"
#include "ui/Fakes.h"
#include "ui/qt/QtPrinting.h"

namespace {

using articles::CardPrint;
using testing_support::withoutMarks;

const QString kLongTitle = QStringLiteral(
    "การศึกษาความต้องการสารสนเทศและพฤติกรรมการแสวงหาสารสนเทศของนักศึกษาระดับบัณฑิตศึกษา"
    "สาขาวิชาวิทยาศาสตร์สุขภาพในมหาวิทยาลัยของรัฐในเขตภาคตะวันออกเฉียงเหนือของประเทศไทย"
    "ในยุคการเปลี่ยนผ่านสู่ห้องสมุดดิจิทัลและการเรียนรู้ตลอดชีวิต");

// The printed text, as withoutMarks leaves it.
QString pdfText(const QString& path) {
    return withoutMarks(testing_support::pdfText(path));
}

struct PdfPrinting : ui::qt::QtPrinting {
    QString path;
    bool hasDefaultPrinter() override { return false; }
    std::optional<QString> askPdfPath(const QString&) override { return path; }
};

TEST(CardPrint, EveryLineStaysInsideItsCardAndNoTextIsLost) {
    ui::RecordingSurface page;
    articles::IndexCard card{1,
                             "main",
                             "สมชาย ใจดี",
                             kLongTitle + ". วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): 1-20.",
                             "1. ห้องสมุด  I. ชื่อเรื่อง",
                             false};
    // Long enough to need a second card.
    card.body += QStringLiteral(" ") + kLongTitle + kLongTitle;
    const int used = CardPrint(page).print({card, card}, CardPrint::Sheet::A4);
    EXPECT_GE(used, 4);
    QString seen;
    for (const auto& p : page.printed) {
        if (p.text == u"+")
            continue;
        page.fontSize = p.fontSize;
        const double width = page.textWidth(p.text);
        const double left = (page.width - CardPrint::kCardWidth) / 2;
        EXPECT_GE(p.x, left);
        EXPECT_LE(p.x + width, left + CardPrint::kCardWidth) << p.text.toStdString();
        // Each card's lines end above its lower edge (three cards a sheet).
        const double inCard = std::fmod(p.y - 360, CardPrint::kCardHeight + 360);
        EXPECT_LE(inCard + page.textHeight(p.text), CardPrint::kCardHeight);
        if (p.page == 1 && p.y < 360 + CardPrint::kCardHeight)
            seen += p.text;
    }
    QString expected = card.topLine + card.body + card.tracing;
    expected.remove(u' ');
    seen.remove(u' ');
    EXPECT_TRUE(expected.startsWith(seen.left(40)));
    EXPECT_TRUE(seen.contains(kLongTitle.left(60)));
}

TEST(IndexCardWindow, PrintsTheDaysNewCardsOnceAndReprintsAChosenOne) {
    articles_testing::Shelf shelf;
    shelf.journal("J1", "วารสารห้องสมุด");
    shelf.issue("5", "J1", "01/03/2023", "12", "3");
    shelf.article("5", kLongTitle, {{"สมชาย ใจดี"}}, {"ห้องสมุด", "การอ่าน"}, "1-20");
    shelf.article("5", "บทความไม่มีผู้แต่ง", {}, {"ห้องสมุด"}, "21-22");
    shelf.article("5", "เมื่อวาน", {{"ก ข"}}, {"ก"}, "", "", QDate(2026, 12, 9));
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 12, 10)};
    ui::RecordingOpener opener;
    QString newdealer;
    PdfPrinting printing;
    printing.path = shelf.temp.folder() + "/cards.pdf";
    ui::Services services{shelf.temp.path(), messages, clock, opener, newdealer, &printing};

    articles::IndexCardWindow w(services);
    ASSERT_TRUE(w.Form_Load());
    // Main, title and two heading cards; main and one heading card.
    EXPECT_EQ(w.shown().size(), 6u);
    w.pdfButton.click();
    EXPECT_TRUE(messages.shown().empty());
    const QString text = pdfText(printing.path);
    EXPECT_TRUE(text.contains(withoutMarks("บทความไม่มีผู้แต่ง"))) << text.toStdString();
    EXPECT_TRUE(text.contains(withoutMarks("วารสารห้องสมุด ปีที่ 12 ฉบับที่ 3 (มีนาคม 2023): 1-20.")));
    // The long title comes back whole, on the lines it wrapped to.
    EXPECT_TRUE(text.contains(withoutMarks(kLongTitle)));
    EXPECT_FALSE(text.contains(withoutMarks("เมื่อวาน")));
    EXPECT_TRUE(w.shown().empty());  // printed once: none new is left

    w.allOption.setValue(true);
    w.showButton.click();
    ASSERT_EQ(w.shown().size(), 6u);
    for (const auto& c : w.shown())
        EXPECT_TRUE(c.printed);
    QFile::remove(printing.path);
    w.cardList.click(1, 0);
    w.reprintButton.click();  // no printer: said, nothing printed
    EXPECT_EQ(messages.last().style, ui::msg::kStop);
}

}  // namespace
