#pragma once

#include <QStringList>
#include <vector>

#include "articles/IndexCards.h"

namespace ui {
class PageSurface;
}

namespace articles {

// Index cards on paper: the standard catalogue card, 7.5 by 12.5 cm, three
// to an A4 sheet with cut marks at the corners, or one to a sheet of card
// stock. Every line wraps within the card (Thai at the places a line may
// break, never inside a character cluster); a card whose text is longer
// goes on to a second card under the same top line.
class CardPrint {
  public:
    enum class Sheet { A4, CardStock };
    static constexpr double kCardWidth = 7087, kCardHeight = 4252;  // twips: 12.5 × 7.5 cm

    explicit CardPrint(ui::PageSurface& page) : page_(page) {}

    // Prints the cards and ends the document; returns the cards used.
    int print(const std::vector<IndexCard>& cards, Sheet sheet);
    // The text cut into lines no wider than `room` in the surface's font.
    QStringList wrapped(const QString& text, double room);

  private:
    void cutMarks(double left, double top);
    double lineHeight();

    ui::PageSurface& page_;
};

}  // namespace articles
