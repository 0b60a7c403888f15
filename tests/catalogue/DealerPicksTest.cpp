#include <gtest/gtest.h>

#include "catalogue/DealerPicks.h"
#include "ui/TextBox.h"

using catalogue::DealerPicks;

TEST(DealerPicks, TheCodeForAShownName) {
    const std::optional<QString> none;
    struct Case {
        QString shown, hidden;
        std::optional<QString> hiddenName;
        std::vector<QString> named;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {" Elsevier ", "4", QString("Elsevier "), {"4"}, QString("4")},    // the pick stands
        {"Elsevier", "4", QString("Elsevier"), {"4", "9"}, QString("4")},  // it tells twins apart
        {"Springer", "4", QString("Elsevier"), {"5"}, QString("5")},       // typed over a pick
        {"Springer", "Text6", none, {"5"}, QString("5")},                  // never picked
        {"Twin", "Text6", none, {"9", "10"}, none},                        // two bear it
        {"Nobody", "4", QString("Elsevier"), {}, none},                    // none bears it
        {"  ", "4", QString("  "), {}, none},                              // no name at all
        {"elsevier", "4", QString("Elsevier"), {}, none},                  // letter case counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(DealerPicks::codeFor(c.shown, c.hidden, c.hiddenName, c.named), c.expected)
            << c.shown.toStdString();
}

TEST(DealerPicks, PicksAndTheSharedAgentResult) {
    ui::PickList list{"dlbdeler1"}, combo{"dcbdeler1"};
    ui::TextBox name{"Text14"}, code{"Text13"};
    DealerPicks picks;
    picks.takeAgentRows(list, {{"1", "One"}, {"2", "Two"}});
    picks.takeAgentRows(combo, {{"3", "Three"}});
    EXPECT_TRUE(list.rows().empty()) << "the combo took the result from the list";
    picks.takeAgentRows(list, {{"2", "Two"}});
    EXPECT_TRUE(combo.rows().empty());
    EXPECT_EQ(list.rows().size(), 1u);

    EXPECT_FALSE(DealerPicks::pick(list, name, code)) << "no row chosen";
    EXPECT_EQ(code.text(), "");
    list.chooseRow(0);
    EXPECT_TRUE(DealerPicks::pick(list, name, code));
    EXPECT_EQ(name.text(), "Two");
    EXPECT_EQ(code.text(), "2");
    EXPECT_FALSE(list.visible());

    ui::PickList publishers{"dlbdeler"};
    publishers.setVisible(false);
    DealerPicks::showPublishers(publishers, {{"5", "Five"}});
    EXPECT_TRUE(publishers.visible());
    EXPECT_EQ(publishers.rows().size(), 1u);
}
