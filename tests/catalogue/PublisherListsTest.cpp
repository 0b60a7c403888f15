#include "catalogue/DealerPicks.h"
#include "tests/catalogue/NewJournalFixture.h"

using testing_support::NewJournalWindow;

namespace {

QStringList names(const ui::PickList& list) {
    QStringList out;
    for (const ui::PickRow& row : list.rows())
        out << row.description;
    return out;
}

// The names listed, without the code shown beside each.
QStringList pickedNames(const ui::PickList& list) {
    QStringList out;
    for (const ui::PickRow& row : list.rows())
        out << catalogue::DealerPicks::nameOf(row);
    return out;
}

// An entry being added, with two dealers whose names hold SQL characters.
struct Adding : NewJournalWindow {
    Adding() {
        temp.db().exec(
            "INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES"
            " ('6', 'O''Brien & Sons'), ('7', '100%_Press'), ('8', '1000 Press')");
        w.Cmdadd.click();
        messages.clear();
    }
};

}  // namespace

TEST(PublisherLists, TitlePublisherSearchAndPick) {
    Adding f;
    auto& w = f.w;
    w.Text10.doubleClick();
    EXPECT_TRUE(w.dlbdeler.visible());
    EXPECT_EQ(w.dlbdeler.rows().size(), 8u) << "an empty name lists every publisher";

    const std::pair<QString, QStringList> cases[] = {{"'Bri", {"O'Brien & Sons"}},
                                                     {"0%_", {"100%_Press"}},
                                                     {"0 P", {"1000 Press"}},
                                                     {"springer", {"Springer Nature"}}};
    for (const auto& [text, expected] : cases) {
        w.Text10.setText(text);
        w.Text10.doubleClick();
        EXPECT_EQ(pickedNames(w.dlbdeler), expected) << text.toStdString();
    }
    // Two publishers of one name are told apart by the code beside it.
    f.temp.db().exec("INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('9', 'Springer Nature')");
    w.Text10.doubleClick();
    EXPECT_EQ(names(w.dlbdeler), QStringList({"Springer Nature  (รหัส 5)", "Springer Nature  (รหัส 9)"}));
    EXPECT_TRUE(f.opener.opened.empty());
    EXPECT_TRUE(f.messages.shown().empty());

    w.dlbdeler.userChoose(0);
    w.dlbdeler.doubleClick();
    EXPECT_FALSE(w.dlbdeler.visible());
    EXPECT_EQ(w.Text10.text(), "Springer Nature");
    EXPECT_EQ(w.Text6.text(), "5");
    EXPECT_EQ(w.Text13.text(), "Text13") << "only its own code changes";

    f.fillEntry("วารสารของสปริงเกอร์");
    w.Text6.setText("5");
    w.Text10.setText("Springer Nature");
    w.Cmdsave.click();
    EXPECT_EQ(f.cell("SELECT publisher_code FROM vorlen1"), "5");
}

TEST(PublisherLists, TheSaveStoresTheCodesOfTheNamesShown) {
    Adding f;
    auto& w = f.w;
    f.temp.db().exec(
        "INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES ('9', 'Twin'), ('10', 'Twin "
        "')");
    // Name shown, hidden code, which field refuses (none: saved), code stored.
    const std::tuple<QString, QString, QString, QString> cases[] = {
        {"ชื่อพิมพ์เอง", "5", "Text10", ""},      // typed by hand: no such publisher
        {"Twin", "Text6", "Text10", ""},      // two publishers bear the name
        {"Springer Nature", "4", "", "5"},    // typed over a picked code: the name wins
        {" Springer Nature ", "5", "", "5"},  // the hidden code matches, trimmed
        {"Twin", "10", "", "10"},             // the hidden code tells the twins apart
    };
    int saved = 0;
    for (const auto& [name, hidden, refused, stored] : cases) {
        w.Cmdadd.click();
        f.fillEntry(QStringLiteral("วารสารลำดับ %1").arg(saved));
        w.Text10.setText(name);
        w.Text6.setText(hidden);
        w.SSTab1.setTab(1);
        w.Cmdsave.click();
        if (!refused.isEmpty()) {
            EXPECT_EQ(f.messages.last().text, "ไม่พบผู้จัดพิมพ์ชื่อนี้ กรุณาเลือกจากรายการ");
            EXPECT_EQ(f.messages.last().caption, "ข้อมูลไม่สมบรูณ์");
            EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
            EXPECT_EQ(w.focus(), &w.Text10);
            EXPECT_EQ(w.SSTab1.tab(), 0);
            EXPECT_EQ(f.count("vorlen1"), saved) << name.toStdString();
            EXPECT_EQ(f.cell("SELECT next_key1 FROM recsetup"),
                      QStringLiteral("J%1").arg(saved + 1, 6, 10, QChar(u'0')));
            w.Cmdcancle.click();
            continue;
        }
        ++saved;
        EXPECT_EQ(f.cell("SELECT publisher_code FROM vorlen1 ORDER BY rowid DESC"), stored)
            << name.toStdString();
    }

    // The agent by the same rule, on the second page.
    w.Cmdadd.click();
    f.fillEntry("วารสารตัวแทนพิมพ์เอง");
    w.Text14.setText("บริษัท มติชน");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "ไม่พบตัวแทน/ร้านค้าชื่อนี้ กรุณาเลือกจากรายการ");
    EXPECT_EQ(w.focus(), &w.Text14);
    EXPECT_EQ(w.SSTab1.tab(), 1);
    w.Text14.setText("Elsevier");
    w.Cmdsave.click();
    EXPECT_EQ(f.cell("SELECT publisher_code FROM vorlen ORDER BY rowid DESC"), "4");
}

TEST(PublisherLists, NoMatchOpensTheRegisterWithTheSearchText) {
    Adding f;
    auto& w = f.w;
    w.Text10.setText("Springer");
    w.Text10.doubleClick();
    w.Text10.setText(" Nobody ");
    w.Text10.doubleClick();
    EXPECT_EQ(f.opener.opened, std::vector<QString>{"Adddealer"});
    EXPECT_EQ(f.newdealer, " Nobody ") << "spaces kept for the title's publisher";
    EXPECT_TRUE(w.dlbdeler.visible()) << "a failed search leaves the list";
    EXPECT_EQ(pickedNames(w.dlbdeler), QStringList{"Springer Nature"});

    w.Text14.setText(" Nobody ");
    w.Text14.doubleClick();
    EXPECT_EQ(f.newdealer, "Nobody") << "trimmed for the agent";
    EXPECT_FALSE(w.dlbdeler1.visible());

    w.dcbdeler1.userType(" Nobody ");
    w.dcbdeler1_Click();
    EXPECT_EQ(f.newdealer, " Nobody ") << "the combo's text unchanged";
    EXPECT_EQ(f.opener.opened.size(), 3u);
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_EQ(w.Text10.text(), " Nobody ");
    EXPECT_EQ(w.Text6.text(), "Text6");
}

TEST(PublisherLists, AgentListAndComboShareOneResult) {
    Adding f;
    auto& w = f.w;
    w.Text10.setText("Press");
    w.Text10.doubleClick();
    w.Text14.setText("บริษัท");
    w.Text14.doubleClick();
    EXPECT_TRUE(w.dlbdeler1.visible());
    EXPECT_EQ(w.dlbdeler1.rows().size(), 3u);

    w.dcbdeler1.userType("Else");
    w.dcbdeler1_Click();
    EXPECT_EQ(pickedNames(w.dcbdeler1), QStringList{"Elsevier"});
    EXPECT_TRUE(w.dlbdeler1.rows().empty()) << "the combo's search took the agent result";
    EXPECT_TRUE(w.dlbdeler1.visible()) << "only a pick hides the list";
    EXPECT_EQ(w.dlbdeler.rows().size(), 2u) << "the publisher list has its own result";

    // Choosing a row of the combo searches again from its text; no field takes it.
    w.dcbdeler1.userChoose(0);
    EXPECT_EQ(w.dcbdeler1.text(), "Elsevier  (รหัส 4)");
    EXPECT_EQ(w.Text13.text(), "Text13");

    w.Text14.setText("มติชน");
    w.Text14.doubleClick();
    EXPECT_TRUE(w.dcbdeler1.rows().empty());
    w.dlbdeler1.userChoose(0);
    w.dlbdeler1.doubleClick();
    EXPECT_FALSE(w.dlbdeler1.visible());
    EXPECT_EQ(w.Text14.text(), "บริษัท มติชน จำกัด (มหาชน)");
    EXPECT_EQ(w.Text13.text(), "2");
    EXPECT_EQ(w.Text6.text(), "Text6");
}

TEST(PublisherLists, LockedFieldsComboAndFailures) {
    NewJournalWindow f;
    auto& w = f.w;
    w.Text10.doubleClick();
    w.Text14.doubleClick();
    EXPECT_FALSE(w.dlbdeler.visible()) << "locked names take no double-click";
    EXPECT_FALSE(w.dlbdeler1.visible());
    w.dcbdeler1.userType("มติ");
    w.dcbdeler1_Click();
    EXPECT_EQ(pickedNames(w.dcbdeler1), QStringList{"บริษัท มติชน จำกัด (มหาชน)"});

    f.temp.db().exec("ALTER TABLE dealer RENAME TO dealer_gone");
    w.Cmdadd.click();
    w.Text10.setText("x");
    w.Text10.doubleClick();
    EXPECT_EQ(f.messages.last().caption, ui::kDatabaseErrorCaption);
    EXPECT_FALSE(w.dlbdeler.visible());
    EXPECT_TRUE(f.opener.opened.empty()) << "a failure is not a missing publisher";
    w.dcbdeler1_Click();
    EXPECT_EQ(f.messages.shown().size(), 2u);
    EXPECT_EQ(pickedNames(w.dcbdeler1), QStringList{"บริษัท มติชน จำกัด (มหาชน)"});
    EXPECT_TRUE(w.Cmdcancle.enabled());
}
