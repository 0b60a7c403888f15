#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/Fakes.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"

using namespace ui;

TEST(PickListChoice, ShownTextChoosesTheFirstRowWithThatDescription) {
    PickList list("dcblanguage");
    list.setRows({{"01", "ภาษาไทย"}, {"02", "ภาษาอังกฤษ"}, {"03", "ภาษาไทย"}});
    int changes = 0;
    list.onChange = [&] { ++changes; };
    list.setText("ภาษาอังกฤษ");
    EXPECT_EQ(list.boundText(), "02");
    list.setText("ภาษาไทย");
    EXPECT_EQ(list.boundText(), "01");
    list.setText("ภาษา");
    EXPECT_EQ(list.boundText(), "");
    EXPECT_EQ(list.text(), "ภาษา");
    EXPECT_EQ(list.chosenRow(), -1);
    EXPECT_EQ(changes, 3);
}

TEST(PickListChoice, CodeChoosesItsRowAndAnUnknownCodeChoosesNone) {
    PickList list("dcbcurren");
    list.setRows({{"01", "บาท"}, {"02", "ดอลลาร์สหรัฐ"}});
    list.setBoundText("02");
    EXPECT_EQ(list.text(), "ดอลลาร์สหรัฐ");
    list.setBoundText("99");
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.boundText(), "");
    list.setText("บาท");
    list.setRows({});
    EXPECT_EQ(list.boundText(), "");
}

TEST(PickListChoice, UserPickRunsTheClickHandlerOnlyWhenEnabled) {
    PickList list("dlbtypemag");
    list.setRows({{"01", "วิชาการ"}, {"02", "บันเทิง"}});
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.userChoose(1);
    EXPECT_EQ(list.boundText(), "02");
    list.setEnabled(false);
    list.userChoose(0);
    EXPECT_EQ(list.boundText(), "02");
    EXPECT_EQ(clicks, 1);
}

TEST(GridCells, ResizingKeepsCellsAndClickMakesTheRowCurrent) {
    Grid grid("show_journal", 14, 4);
    EXPECT_EQ(grid.rows(), 14);
    grid.setTextMatrix(3, 1, "คณะครุศาสตร์");
    grid.setRows(4);
    EXPECT_EQ(grid.textMatrix(3, 1), "คณะครุศาสตร์");
    grid.setRows(20);
    EXPECT_EQ(grid.textMatrix(19, 3), "");
    EXPECT_THROW(grid.setTextMatrix(1, 4, "x"), std::out_of_range);

    int clicks = 0;
    grid.onClick = [&] { ++clicks; };
    grid.click(5, 2);
    EXPECT_EQ(grid.row(), 5);
    EXPECT_EQ(grid.col(), 2);
    grid.setEnabled(false);
    grid.click(6, 0);
    EXPECT_EQ(grid.row(), 5);
    EXPECT_EQ(clicks, 1);
}

TEST(Buttons, DisabledButtonsAndOptionsIgnoreClicks) {
    CommandButton save("Cmdsave", "บันทึก");
    int saves = 0;
    save.onClick = [&] { ++saves; };
    save.click();
    save.setEnabled(false);
    save.click();
    EXPECT_EQ(saves, 1);

    OptionButton journal("opt1", "วารสาร"), paper("opt2", "หนังสือพิมพ์");
    OptionButton::group({&journal, &paper});
    EXPECT_FALSE(journal.value() || paper.value());
    journal.click();
    paper.click();
    EXPECT_FALSE(journal.value());
    EXPECT_TRUE(paper.value());
    journal.setEnabled(false);
    journal.click();
    EXPECT_TRUE(paper.value());
}

TEST(FormGuard, ADatabaseFailureBecomesAThaiMessage) {
    struct Window : Form {
        using Form::Form;
        bool run() {
            return guarded([] { throw data::DbError(5, "database is locked"); });
        }
    };
    FakeMessageBox box;
    Window w("w", box);
    EXPECT_FALSE(w.run());
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.last().style, msg::kStop);
    EXPECT_TRUE(box.last().text.contains("database is locked"));
    EXPECT_TRUE(box.last().text.startsWith(QStringLiteral("ฐานข้อมูล")));
}
