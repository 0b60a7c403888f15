#pragma once

#include <QString>
#include <stdexcept>
#include <vector>

namespace ui {

// A printer or file that cannot take the document; the message is for the user.
class PrintError : public std::runtime_error {
  public:
    explicit PrintError(const QString& thai)
        : std::runtime_error(thai.toStdString()), thai_(thai) {}
    QString thaiMessage() const { return thai_; }

  private:
    QString thai_;
};

// A printer page measured in twips (1440 to the inch). The font and the
// position are plain state read when text is printed; printing a line moves
// to the start of the next line, as a printer object does.
class PageSurface {
  public:
    virtual ~PageSurface() = default;

    QString fontName = QStringLiteral("MS Sans Serif");
    double fontSize = 8.25;
    bool fontBold = false;
    bool fontUnderline = false;
    double currentX = 0;
    double currentY = 0;

    // The printable area, in twips from its own top-left corner, where every
    // position starts.
    virtual double printableWidth() const = 0;
    virtual double printableHeight() const = 0;
    // Height and width of the text in the current font, in twips.
    virtual double textHeight(const QString& text) = 0;
    virtual double textWidth(const QString& text) = 0;
    // Prints at (currentX, currentY), then moves to the next line.
    void print(const QString& text);
    // The text cut short with an ellipsis until it is at most `room` wide in
    // the current font (or down to the ellipsis alone); never parts a Thai
    // character from its vowel and tone marks. Unchanged when it fits.
    QString elided(const QString& text, double room);
    virtual void newPage() = 0;
    virtual void endDoc() = 0;

  protected:
    virtual void draw(const QString& text) = 0;
};

// Records every printed text with its place and font, for tests.
class RecordingSurface : public PageSurface {
  public:
    struct Printed {
        int page;
        double x, y;
        QString text;
        QString fontName;
        double fontSize;
        bool bold, underline;
    };

    // Heights and widths follow from the size: 20 twips a point, per line and
    // per character. The printable area is an A4 sheet less 360 twips a side.
    double printableWidth() const override { return width; }
    double printableHeight() const override { return height; }
    double textHeight(const QString& text) override;
    double textWidth(const QString& text) override;
    void newPage() override { ++page; }
    void endDoc() override { ended = true; }

    std::vector<Printed> printed;
    double width = 11906 - 720, height = 16838 - 720;
    int page = 1;
    bool ended = false;

  protected:
    void draw(const QString& text) override;
};

}  // namespace ui
