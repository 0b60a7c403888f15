#include "catalogue/TitleNameSource.h"
#include "catalogue/TitleSearch.h"
#include "data/Database.h"
#include "data/LikePattern.h"
#include "tests/catalogue/NewJournalFixture.h"
#include "tests/support/TempDatabase.h"

using testing_support::NewJournalWindow;

namespace {

QStringList names(const catalogue::NewJournal& w) {
    QStringList out;
    for (const ui::PickRow& row : w.dlbnamemag.rows())
        out << row.description;
    return out;
}

void pick(catalogue::NewJournal& w, const QString& name) {
    for (size_t i = 0; i < w.dlbnamemag.rows().size(); ++i)
        if (w.dlbnamemag.rows()[i].description == name) {
            w.dlbnamemag.userChoose(int(i));
            return;
        }
    ADD_FAILURE() << "no row " << name.toStdString();
}

}  // namespace

TEST(TitleNameSearch, FindsPartsOfNamesLiterally) {
    NewJournalWindow f;
    auto& w = f.w;
    f.addTitle("O'Reilly Weekly");
    f.addTitle("100% Science");
    f.addTitle("1000 Science");
    f.addTitle("Kid_Science");
    f.addTitle("KidsScience");

    f.messages.clear();
    w.Text2.setText("");
    w.Text2.doubleClick();
    EXPECT_TRUE(w.dlbnamemag.visible());
    EXPECT_EQ(names(w).size(), 5) << "an empty text lists every title";

    const std::pair<QString, QStringList> cases[] = {
        {"'Reil", {"O'Reilly Weekly"}},
        {"0%", {"100% Science"}},
        {"d_S", {"Kid_Science"}},
        {"science", {"100% Science", "1000 Science", "Kid_Science", "KidsScience"}}};
    for (const auto& [text, expected] : cases) {
        w.Text2.setText(text);
        w.Text2.doubleClick();
        EXPECT_EQ(names(w), expected) << text.toStdString();
        EXPECT_TRUE(w.dlbnamemag.visible());
        EXPECT_EQ(w.focus(), &w.dlbnamemag);
    }
    EXPECT_TRUE(f.messages.shown().empty()) << "a search that finds titles shows no message";

    // Nothing found: the clerk is told so, and no list stands open.
    w.Text2.setText("ไม่มี");
    w.Text2.doubleClick();
    EXPECT_EQ(f.messages.last().text, "ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง");
    EXPECT_EQ(f.messages.last().caption, "ผลการค้นหา");
    EXPECT_EQ(f.messages.last().style, ui::msg::kStop);
    EXPECT_FALSE(w.dlbnamemag.visible());
    EXPECT_EQ(data::containsPattern("a\\%_"), "%a\\\\\\%\\_%");
}

TEST(TitleLoad, ShowsEveryFieldWithItsDescription) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString key = f.addTitle("วารสาร 'คุณภาพ'", true, "ภาษาอังกฤษ");
    f.temp.db().exec(
        "UPDATE vorlen1 SET compare_name = 'เทียบ', old_name = 'เดิม', shot_name = 'ย่อ',"
        " First_year_printed = '1/2/2020' WHERE pointer = ?",
        {key});
    f.temp.db().exec("UPDATE vorlen SET price_per_year = '1250.50' WHERE pointer = ?", {key});

    w.Text2.setText("คุณ");
    w.Text2.doubleClick();
    pick(w, "วารสาร 'คุณภาพ'");
    EXPECT_FALSE(w.dlbnamemag.visible());
    EXPECT_EQ(w.focus(), &w.Cmdedit) << "a pick hands the keys on to Edit, not to Exit";
    EXPECT_EQ(w.Text1.text(), key);
    EXPECT_TRUE(w.opt1.value());
    EXPECT_FALSE(w.opt2.value());
    EXPECT_EQ(w.Text2.text(), "วารสาร 'คุณภาพ'");
    EXPECT_EQ(w.Text3.text(), "เทียบ");
    EXPECT_EQ(w.Text4.text(), "เดิม");
    EXPECT_EQ(w.Text5.text(), "ย่อ");
    EXPECT_EQ(w.Mask1.text(), "01/02/2020");
    EXPECT_EQ(w.Mask2.text(), "1234-5679");
    EXPECT_EQ(w.Text8.text(), "12");
    EXPECT_EQ(w.dcblanguage.text(), "ภาษาอังกฤษ");
    EXPECT_EQ(w.dcblanguage.boundText(), "02");
    EXPECT_EQ(w.dcbmagtype.boundText(), "04");
    EXPECT_EQ(w.Text6.text(), "4");
    EXPECT_EQ(w.Text10.text(), "Elsevier");
    EXPECT_EQ(w.Text11.text(), "1250.50");
    EXPECT_EQ(w.Mask3.text(), "05/03/2026");
    EXPECT_EQ(w.Mask4.text(), "31/12/2026");
    EXPECT_EQ(w.dcbdepart.boundText(), "02");
    EXPECT_EQ(w.dcbrecei.boundText(), "1");
    EXPECT_EQ(w.dcbcurren.boundText(), "01");
    EXPECT_EQ(w.Text13.text(), "2");
    EXPECT_EQ(w.Text14.text(), "บริษัท มติชน จำกัด (มหาชน)");
    EXPECT_EQ(w.dcbstatus.boundText(), "01");
    EXPECT_EQ(w.dcbbindsta.boundText(), "01");
    EXPECT_EQ(w.dcbbindco.boundText(), "02");
    EXPECT_EQ(w.dlbtypemag.boundText(), "01");
    EXPECT_EQ(std::vector<bool>({w.Cmdadd.enabled(), w.Cmdedit.enabled(), w.Cmddel.enabled(),
                                 w.Cmdsave.enabled(), w.Cmdcancle.enabled()}),
              std::vector<bool>({false, true, true, false, true}));
    EXPECT_FALSE(w.Text3.enabled()) << "the load keeps the lock state";

    // Edit and save it back: the same key, the new name.
    w.Cmdedit.click();
    w.Text2.setText("วารสาร 'คุณภาพ' ใหม่");
    w.Text4.setText("");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว");
    EXPECT_EQ(f.cell("SELECT vorlen_name FROM vorlen1 WHERE pointer = ?", {key}),
              "วารสาร 'คุณภาพ' ใหม่");
    EXPECT_EQ(f.cell("SELECT old_name FROM vorlen1 WHERE pointer = ?", {key}), "  ");
    EXPECT_EQ(f.cell("SELECT price_per_year FROM vorlen WHERE pointer = ?", {key}), "1250.50");
    EXPECT_EQ(f.count("vorlen1"), 1);
}

TEST(TitleLoad, NullsJoinsAndKeyLetters) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString full = f.addTitle("มีชื่อเทียบ");
    f.temp.db().exec("UPDATE vorlen1 SET compare_name = 'เทียบ' WHERE pointer = ?", {full});
    const QString bare = f.addTitle("ไม่มีชื่อเทียบ", false);
    f.temp.db().exec(
        "UPDATE vorlen1 SET compare_name = NULL, old_name = NULL, shot_name = NULL,"
        " issn = ' ' WHERE pointer = ?",
        {bare});

    w.Text2.setText("มีชื่อเทียบ");
    w.Text2.doubleClick();
    pick(w, "มีชื่อเทียบ");
    EXPECT_EQ(w.Text3.text(), "เทียบ");
    w.Text2.setText("ไม่มี");
    w.Text2.doubleClick();
    pick(w, "ไม่มีชื่อเทียบ");
    EXPECT_EQ(w.Text3.text(), "");
    EXPECT_EQ(w.Text4.text(), "");
    EXPECT_EQ(w.Mask2.text(), " ");
    EXPECT_TRUE(w.opt2.value());
    EXPECT_FALSE(w.opt1.value());
    // Of several kind rows the first stored one is shown.
    f.temp.db().exec("INSERT INTO typeclass VALUES (?, '03')", {bare});
    w.loadtitle();
    EXPECT_EQ(w.dlbtypemag.boundText(), "01");

    // A key in lower case or another letter leaves the options.
    f.temp.db().exec("UPDATE vorlen1 SET pointer = 'x000009' WHERE pointer = ?", {full});
    f.temp.db().exec("UPDATE vorlen SET pointer = 'x000009' WHERE pointer = ?", {full});
    w.Text1.setText("x000009");
    w.loadtitle();
    EXPECT_TRUE(w.opt2.value());
    EXPECT_EQ(w.Text2.text(), "มีชื่อเทียบ");

    // A code deleted from its table, or a publisher deleted, never hides the
    // title or its subscription: the code is marked unknown, and a save asks
    // for another one, storing nothing.
    f.temp.db().exec("UPDATE vorlen SET status_code = '99' WHERE pointer = ?", {bare});
    f.temp.db().exec("UPDATE vorlen SET exchange_rate = '35' WHERE pointer = ?", {bare});
    f.temp.db().exec("UPDATE vorlen1 SET publisher_code = '999' WHERE pointer = ?", {bare});
    w.resetbuttom(true, false, false, false, false);
    w.Text1.setText(bare);
    w.Text12.setText("77");
    w.loadtitle();
    EXPECT_EQ(w.Text2.text(), "ไม่มีชื่อเทียบ");
    EXPECT_EQ(w.Text12.text(), "35");
    EXPECT_EQ(w.dcbstatus.text(), "รหัส 99 ไม่มีในตาราง");
    EXPECT_EQ(w.dcbstatus.boundText(), "");
    EXPECT_EQ(w.Text10.text(), "รหัส 999 ไม่มีในตาราง");
    EXPECT_EQ(w.dcbdepart.boundText(), "02") << "the other codes show as stored";
    EXPECT_TRUE(w.Cmdedit.enabled());
    w.Cmdedit.click();
    w.Text3.setText("แก้");
    f.messages.clear();
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "ไม่พบผู้จัดพิมพ์ชื่อนี้ กรุณาเลือกจากรายการ");
    w.Text10.setText("Elsevier");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "กรุณาเลือก สถานภาพสมาชิก จากรายการ");
    EXPECT_EQ(w.focus(), &w.dcbstatus);
    EXPECT_EQ(w.SSTab1.tab(), 1);
    EXPECT_EQ(f.cell("SELECT compare_name FROM vorlen1 WHERE pointer = ?", {bare}), "")
        << "nothing stored";
    w.Cmdcancle.click();

    // A key with no title row at all is not found.
    f.messages.clear();
    w.Text1.setText("J999999");
    w.Text2.setText("ค้างอยู่");
    w.loadtitle();
    EXPECT_EQ(f.messages.last().text, "ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง");
    EXPECT_EQ(f.messages.last().caption, "ผลการค้นหา");
    EXPECT_EQ(w.Text1.text(), "");
    EXPECT_EQ(w.focus(), &w.Text1);
    EXPECT_EQ(w.Text2.text(), "ค้างอยู่");
}

TEST(TitleLoad, ATitleWithoutItsSubscriptionNeverTakesTheOneShownBefore) {
    NewJournalWindow f;
    auto& w = f.w;
    const QString shown = f.addTitle("วารสารที่แก้อยู่");
    const QString bare = f.addTitle("วารสารไม่มีการบอกรับ");
    f.temp.db().exec("UPDATE vorlen SET price_per_year = '999' WHERE pointer = ?", {shown});
    f.temp.db().exec("DELETE FROM vorlen WHERE pointer = ?", {bare});
    f.temp.db().exec("DELETE FROM typeclass WHERE pointer = ?", {bare});

    f.showTitle("วารสารที่แก้อยู่");
    w.Cmdedit.click();
    f.showTitle("วารสารไม่มีการบอกรับ");
    EXPECT_TRUE(w.editmode);
    for (ui::TextBox* blank : {&w.Text11, &w.Text12, &w.Text7, &w.Mask4, &w.Text14})
        EXPECT_EQ(blank->text(), "") << blank->name().toStdString();
    EXPECT_EQ(w.dcbdepart.text(), "");
    EXPECT_EQ(w.dlbtypemag.text(), "");
    w.Cmdedit.click();
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().text, "กรุณาเลือกชนิดสิ่งพิมพ์ ");
    EXPECT_EQ(f.count("vorlen"), 1) << "nothing of the other title was written";

    // Filled in, the edit-save gives the title its missing rows back.
    w.Cmdcancle.click();
    f.showTitle("วารสารไม่มีการบอกรับ");
    w.Cmdedit.click();
    f.fillEntry("วารสารไม่มีการบอกรับ");
    w.Text11.setText("1200");
    w.Mask3.setText("01/01/2026");
    w.Mask5.setText("01/01/2026");
    w.Cmdsave.click();
    EXPECT_EQ(f.messages.last().caption, "ผลการบันทึกข้อมูล");
    EXPECT_EQ(f.cell("SELECT price_per_year FROM vorlen WHERE pointer = ?", {bare}), "1200");
    EXPECT_EQ(f.cell("SELECT price_per_year FROM vorlen WHERE pointer = ?", {shown}), "999");
    EXPECT_EQ(f.cell("SELECT type_code FROM typeclass WHERE pointer = ?", {bare}), "01");
    f.showTitle("วารสารไม่มีการบอกรับ");
    EXPECT_EQ(w.Text11.text(), "1200");
}

TEST(TitleLoad, PickingWhileAddingKeepsTheMode) {
    NewJournalWindow f;
    auto& w = f.w;
    f.addTitle("ระหว่างเพิ่ม");
    w.Cmdadd.click();
    w.Text2.setText("ระหว่าง");
    w.Text2.doubleClick();
    pick(w, "ระหว่างเพิ่ม");
    EXPECT_TRUE(w.addmode);
    EXPECT_TRUE(w.Text3.enabled());
    EXPECT_TRUE(w.Cmdedit.enabled());
    EXPECT_FALSE(w.Cmdsave.enabled());
}

TEST(TitleNameTaken, BothStoresJoinNamesThatDifferOnlyInTheCaseOfAToZ) {
    NewJournalWindow f;
    f.addTitle("Office Review 2");
    f.addTitle(QStringLiteral("วารสารครู"));
    const catalogue::TitleSearch titles(f.temp.db());
    const struct {
        QString typed;
        bool taken;
    } cases[] = {
        {"office review 2", true},
        {"  OFFICE REVIEW 2 ", true},
        {QStringLiteral("วารสารครู"), true},
        {QStringLiteral("ＯＦＦＩＣＥ Review 2"), false},  // full-width letters
        {QStringLiteral("Of\u00ADfice Review 2"), false},  // soft hyphen
        {QStringLiteral("Office\u200B Review 2"), false},  // zero-width space
        {QStringLiteral("Office Review ²"), false},        // superscript
        {QStringLiteral("Oﬃce Review 2"), false},          // ligature
        {QStringLiteral("Öffice Review 2"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(titles.nameTaken(c.typed), c.taken) << c.typed.toStdString();
}

// An imported key may carry any number of spaces, in one table and not the other: the
// title still loads whole, and an edit updates its own rows, adding none.
TEST(TitleLoad, AKeyStoredWithSpacesIsFoundAndEditedInPlace) {
    const struct {
        const char *title, *subscription, *typed;
    } cases[] = {
        {"J900000", "J900000", "J900000"},       {" J900001", " J900001", "J900001"},
        {"J900002 ", "J900002", "J900002"},      {"J900003", "J900003 ", " J900003"},
        {"  J900004  ", "J900004  ", "J900004"}, {"     J900005", "     J900005     ", "J900005"}};
    NewJournalWindow f;
    auto& w = f.w;
    for (const auto& c : cases) {
        const QString key = f.addTitle(QStringLiteral("วารสารนำเข้า ") + c.typed, true);
        const QString bare = QString::fromLatin1(c.typed).trimmed();
        const QString faculty =
            f.cell("SELECT department_code FROM vorlen WHERE pointer = ?", {key});
        f.temp.db().exec("UPDATE vorlen1 SET pointer = ? WHERE pointer = ?", {c.title, key});
        f.temp.db().exec("UPDATE vorlen SET pointer = ? WHERE pointer = ?", {c.subscription, key});
        f.temp.db().exec("UPDATE typeclass SET pointer = ? WHERE pointer = ?",
                         {c.subscription, key});
        w.resetbuttom(true, false, false, false, false);
        w.Text1.setText(c.typed);
        w.loadtitle();
        EXPECT_EQ(w.Text2.text(), QStringLiteral("วารสารนำเข้า ") + c.typed) << c.typed;
        EXPECT_EQ(w.dcbdepart.boundText(), faculty) << c.typed << ": the subscription shows";
        EXPECT_FALSE(w.dlbtypemag.boundText().isEmpty()) << c.typed << ": the kind shows";
        w.Cmdedit.click();
        w.Text3.setText("แก้แล้ว");
        w.Cmdsave.click();
        EXPECT_EQ(f.messages.last().text, "การบันทึกข้อมูลวารสารรายชื่อใหม่เรียบร้อยแล้ว") << c.typed;
        EXPECT_EQ(f.cell("SELECT compare_name FROM vorlen1 WHERE trim(pointer) = ?", {bare}),
                  "แก้แล้ว")
            << c.typed;
        for (const char* sql : {"SELECT count(*) FROM vorlen WHERE trim(pointer) = ?",
                                "SELECT count(*) FROM typeclass WHERE trim(pointer) = ?"})
            EXPECT_EQ(f.cell(sql, {bare}), "1") << c.typed << ": " << sql;
    }
}

// A page of the name list stops once it has its titles: page after page, read
// on or jumped to, the pages make the whole list in the order of entry, on
// the trigram index and without it.
TEST(TitleNameSearch, PagesMakeTheWholeListInTheOrderOfEntry) {
    testing_support::TempDatabase temp;
    for (int i = 0; i < 250; ++i)
        temp.db().exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES (?, ?)",
                       {QStringLiteral("J%1").arg(i), i % 3 ? QStringLiteral("Science %1").arg(i)
                                                            : QStringLiteral("Arts %1").arg(i)});
    for (const QString& part : {QStringLiteral("Science"), QStringLiteral("ci"), QString()}) {
        const catalogue::TitleNameSource source(temp.db(), part);
        QStringList whole;
        for (const data::Row& row : temp.db().query(
                 "SELECT pointer FROM vorlen1 WHERE vorlen_name LIKE ? ESCAPE '\\' ORDER BY rowid",
                 {data::containsPattern(part)}))
            whole << row.text(0);
        ASSERT_EQ(source.count(), whole.size()) << part.toStdString();
        QStringList paged;
        for (int offset : {0, 70, 140})  // read on from the page before
            for (const QStringList& row : source.rows(offset, 70))
                paged << row.at(0);
        for (const QStringList& row : source.rows(5, 70))  // a jump back
            paged << row.at(0);
        EXPECT_EQ(paged.mid(0, std::min<qsizetype>(210, whole.size())), whole.mid(0, 210))
            << part.toStdString();
        EXPECT_EQ(paged.mid(std::min<qsizetype>(210, whole.size())), whole.mid(5, 70))
            << part.toStdString();
    }
}
