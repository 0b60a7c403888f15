#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/qt/QtPrinting.h"

TEST(PainterSurface, PdfPagesAreA4MeasuredInTwipsFromThePrintableArea) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/list.pdf";
    ui::qt::QtPrinting printing;
    std::unique_ptr<ui::PageSurface> surface = printing.openPdf(path);
    // A4 is 11906 x 16838 twips; the printable area is that less the margins.
    EXPECT_NEAR(surface->printableWidth(), 11906 - 720, 10);
    EXPECT_NEAR(surface->printableHeight(), 16838 - 720, 10);
    surface->fontSize = 16;
    const double h16 = surface->textHeight("ทดสอบ");
    // A 16-point line is 320 twips plus the font's own spacing.
    EXPECT_GT(h16, 320);
    EXPECT_LT(h16, 640);
    surface->fontSize = 8;
    EXPECT_NEAR(surface->textHeight("ทดสอบ") * 2, h16, 40);
    EXPECT_GT(surface->textWidth("ทดสอบทดสอบ"), surface->textWidth("ทดสอบ"));

    surface->currentX = 1000;
    surface->currentY = 700;
    surface->print("รายชื่อวารสาร");
    EXPECT_EQ(surface->currentX, 0);
    EXPECT_NEAR(surface->currentY, 700 + surface->textHeight("ทดสอบ"), 1);
    surface->newPage();
    surface->print("หน้า 2");
    surface->endDoc();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595")) << "not an A4 page";
    EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 2);
}

TEST(PainterSurface, UnwritablePdfIsAPrintError) {
    ui::qt::QtPrinting printing;
    try {
        printing.openPdf("/nonexistent-folder/list.pdf");
        FAIL() << "no error";
    } catch (const ui::PrintError& e) {
        EXPECT_TRUE(e.thaiMessage().contains("/nonexistent-folder/list.pdf"));
    }
}
