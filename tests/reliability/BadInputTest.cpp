// Hostile text in every entry field of every window: whatever a field accepts
// (after its keystroke rule and maximum length) is stored and shown back
// unchanged, or the save is refused with a message. Searches treat % and _ as
// themselves.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>

#include "catalogue/DealerPicks.h"
#include "issues/reg_journal.h"
#include "publishers/Adddealer.h"
#include "publishers/DealerTable.h"
#include "renewal/expdate.h"
#include "tests/catalogue/NewJournalFixture.h"
#include "tests/issues/IssueFixture.h"
#include "tests/renewal/ExpiryFixture.h"

namespace {

struct Nasty {
    const char* label;
    QString text;
};

QString tenThousandCharacters() {
    QString s;
    while (s.size() < 10000)
        s += QStringLiteral("ก'\"%_9");
    s.truncate(10000);
    return s;
}

const std::vector<Nasty>& nastyInputs() {
    static const std::vector<Nasty> inputs = {
        {"apostrophes", QStringLiteral("O'Reilly's ''Journal'' '")},
        {"double quotes", QStringLiteral("\"The\" \"Review\"\"")},
        {"percent and underscore", QStringLiteral("100% pure_name %_% \\_")},
        {"statement text", QStringLiteral("x'); DROP TABLE vorlen1; --")},
        {"10,000 characters", tenThousandCharacters()},
        {"emoji", QStringLiteral("วารสาร📚🇹🇭👩‍🔬")},
        {"Thai digits", QStringLiteral("๑๒๓/๐๔/๒๕๖๙")},
        {"tab inside", QStringLiteral("ภาษา\tไทย")},
        {"line break inside", QStringLiteral("first line\nsecond line")},
        {"CR LF inside", QStringLiteral("first\r\nsecond")},
        {"digits", QStringLiteral("12345678")},
        {"a date", QStringLiteral("28/02/2027")},
        {"emoji at the ISSN limit", QStringLiteral("1234-567📚")},
        {"ISSN with a space", QStringLiteral("1234 5678")},
        {"emoji at the date limit", QStringLiteral("01/01/202📚")},
    };
    return inputs;
}

enum class How { Typed, Pasted };
const How kHows[] = {How::Typed, How::Pasted};

// What one attempt came to.
struct Outcome {
    QString accepted;  // the field's text after the user's entry
    bool refused = false;
    QString message;  // the refusal's message
    int style = 0;
    QString shown;  // the field's text after saving and loading again
    // What the field should show then when not the accepted text itself.
    std::optional<QString> display;
};

// Selects the whole field, as the user would, and enters the text.
QString enter(ui::TextBox& box, const QString& text, How how) {
    box.setSelStart(0);
    box.setSelLength(int(box.text().size()));
    if (how == How::Typed)
        box.typeText(text);
    else
        box.paste(text);
    return box.text();
}

bool wellFormed(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
        else if (s[i].isSurrogate())
            return false;
    }
    return true;
}

Outcome refusal(const ui::FakeMessageBox& box, Outcome o) {
    o.refused = true;
    if (!box.shown().empty()) {
        o.message = box.last().text;
        o.style = box.last().style;
    }
    return o;
}

// The tally of one window's table, reported with the test.
struct Tally {
    int tried = 0;
    std::map<QString, int> refusals;

    void check(const char* field, const Nasty& input, How how, const Outcome& o) {
        ++tried;
        SCOPED_TRACE(std::string(field) + " <- " + input.label +
                     (how == How::Typed ? " typed" : " pasted"));
        EXPECT_TRUE(wellFormed(o.accepted)) << "the field holds half an emoji";
        if (o.refused) {
            EXPECT_FALSE(o.message.trimmed().isEmpty()) << "nothing saved and nothing said";
            EXPECT_EQ(o.style, ui::msg::kStop) << o.message.toStdString();
            ++refusals[QStringLiteral("%1: %2").arg(field, o.message)];
        } else {
            EXPECT_EQ(o.shown, o.display.value_or(o.accepted))
                << "accepted " << o.accepted.left(60).toStdString() << " came back "
                << o.shown.left(60).toStdString();
        }
    }

    void report(const char* window) const {
        ::testing::Test::RecordProperty("inputs_tried", tried);
        std::cout << window << ": " << tried << " entries tried\n";
        for (const auto& [what, n] : refusals)
            std::cout << "  refused " << n << "x  " << what.toStdString() << "\n";
    }
};

template <typename RoundTrip>
void runTable(const char* window, const std::vector<const char*>& fields, RoundTrip roundTrip) {
    Tally tally;
    for (const char* field : fields)
        for (const Nasty& input : nastyInputs())
            for (How how : kHows)
                tally.check(field, input, how, roundTrip(field, input.text, how));
    tally.report(window);
}

// ---- The title window ----

ui::TextBox& titleField(catalogue::NewJournal& w, const QString& name) {
    ui::TextBox* const all[] = {&w.Text2,  &w.Text3, &w.Text4, &w.Text5, &w.Mask1,
                                &w.Mask2,  &w.Text8, &w.Text9, &w.Text7, &w.Text11,
                                &w.Text12, &w.Mask3, &w.Mask4, &w.Mask5};
    for (ui::TextBox* box : all)
        if (box->name() == name)
            return *box;
    throw std::logic_error("no such field");
}

Outcome titleRoundTrip(const char* field, const QString& input, How how) {
    testing_support::NewJournalWindow f;
    ui::TextBox& box = titleField(f.w, field);
    f.w.Cmdadd.click();
    f.fillEntry(QStringLiteral("วารสารทดสอบ"));
    Outcome o;
    o.accepted = enter(box, input, how);
    const QString name = f.w.Text2.text();
    const int before = f.count("vorlen1");
    f.messages.clear();
    f.w.Cmdsave.click();
    if (f.count("vorlen1") == before)
        return refusal(f.messages, o);
    const QString key = f.cell("SELECT pointer FROM vorlen1 ORDER BY rowid DESC");
    // Loaded again through the name search and the pick from its list.
    f.w.Text2.setText(name);
    f.w.Text2.doubleClick();
    const auto& rows = f.w.dlbnamemag.rows();
    for (int r = 0; r < int(rows.size()); ++r)
        if (rows[r].code == key)
            f.w.dlbnamemag.userChoose(r);
    EXPECT_EQ(f.w.Text1.text(), key) << "the name search did not find the title saved";
    o.shown = box.text();
    // Eight bare digits are shown in the ISSN pattern, the only display rule.
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    if (&box == &f.w.Mask2 && eightDigits.match(o.accepted).hasMatch())
        o.display = o.accepted.left(4) + u'-' + o.accepted.mid(4);
    return o;
}

// ---- The publisher register ----

struct DealerWindow {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 3, 5)};
    ui::RecordingOpener opener;
    QString newdealer = QStringLiteral("สำนักพิมพ์ทดสอบ");
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    publishers::Adddealer w{services};

    DealerWindow() { EXPECT_TRUE(w.Form_Load()); }

    ui::TextBox& field(const QString& name) {
        for (ui::TextBox* box : {&w.Text1, &w.Text2, &w.Text3, &w.Text4, &w.Text5})
            if (box->name() == name)
                return *box;
        throw std::logic_error("no such field");
    }
    int count() { return temp.db().first("SELECT count(*) FROM dealer")->value(0).toInt(); }
};

Outcome dealerRoundTrip(const char* field, const QString& input, How how) {
    DealerWindow f;
    ui::TextBox& box = f.field(field);
    Outcome o;
    o.accepted = enter(box, input, how);
    const QString code = f.w.Text1.text(), name = f.w.Text2.text();
    const int before = f.count();
    f.messages.clear();
    f.w.Command1.click();
    if (f.count() == before)
        return refusal(f.messages, o);
    // The name comes back through the publisher search; the other columns have
    // no window that shows them, so they are read from the row.
    const auto found = publishers::DealerTable(f.temp.db()).findByName(name);
    const auto mine = std::find_if(found.begin(), found.end(),
                                   [&](const ui::PickRow& r) { return r.code == code; });
    if (mine == found.end()) {
        ADD_FAILURE() << "the publisher search did not find the publisher saved";
        return o;
    }
    const auto row = f.temp.db().first(
        "SELECT Publisher_Address1, Publisher_Address2, Contact_Name FROM dealer"
        " ORDER BY rowid DESC");
    const QString shown[] = {mine->code, mine->description, row->text(0), row->text(1),
                             row->text(2)};
    o.shown = shown[QByteArray(field).mid(4).toInt() - 1];
    return o;
}

// ---- The issue register ----

struct IssueWindow {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2008, 3, 15)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    issues::reg_journal w{services};

    IssueWindow() {
        issues_test::addTitle(temp.db(), QStringLiteral("J000001"), QStringLiteral("Nature"));
        EXPECT_TRUE(w.Form_Load());
    }
    void openTitle() {
        w.Text1.setText(QStringLiteral("Nature"));
        w.Command1.click();
        w.show_journal.click(1, 0);
    }
    ui::TextBox& field(const QString& name) {
        for (ui::TextBox* box : {&w.Text4, &w.Text5, &w.Text6})
            if (box->name() == name)
                return *box;
        throw std::logic_error("no such field");
    }
};

Outcome issueRoundTrip(const char* field, const QString& input, How how) {
    IssueWindow f;
    ui::TextBox& box = f.field(field);
    f.openTitle();
    f.w.Command2.click();
    Outcome o;
    o.accepted = enter(box, input, how);
    const int before = issues_test::issueCount(f.temp.db());
    f.messages.clear();
    f.w.Command7.click();
    if (issues_test::issueCount(f.temp.db()) == before)
        return refusal(f.messages, o);
    // Loaded again from a cleared window: the title search, then the issue.
    f.w.Command8.click();
    f.openTitle();
    f.w.show_item.click(1, 0);
    o.shown = box.text();
    return o;
}

// ---- The expiry window ----

struct ExpiryWindow {
    testing_support::TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2008, 1, 15)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    renewal::expdate w{services};

    ExpiryWindow() {
        renewal_test::addSubscription(
            temp.db(),
            {QStringLiteral("J000001"), QStringLiteral("Nature"), QStringLiteral("15/03/2008")});
        EXPECT_TRUE(w.Form_Load());
    }
    ui::TextBox& field(const QString& name) {
        for (ui::TextBox* box : {&w.Text1, &w.Text2, &w.Text5, &w.Text6, &w.Text7, &w.Text8})
            if (box->name() == name)
                return *box;
        throw std::logic_error("no such field");
    }
    // Every subscription, whatever its end, listed and the first one shown.
    void listAll() {
        w.Option1.click();
        w.Text1.setText(QStringLiteral("01/01/0001"));
        w.Text2.setText(QStringLiteral("31/12/9999"));
        w.Command1.click();
        w.showjour.click(1, 0);
    }
};

const QString kRenewed = QStringLiteral("บันทึกข้อมูลเรียบร้อยแล้ว");

Outcome expiryRoundTrip(const char* field, const QString& input, How how) {
    ExpiryWindow f;
    ui::TextBox& box = f.field(field);
    Outcome o;
    if (&box == &f.w.Text1 || &box == &f.w.Text2) {
        // The range fields are not stored: the search takes them or refuses them.
        f.w.Option1.click();
        o.accepted = enter(box, input, how);
        f.messages.clear();
        f.w.Command1.click();
        if (!f.messages.shown().empty() && f.messages.last().style == ui::msg::kStop)
            return refusal(f.messages, o);
        o.shown = box.text();
        return o;
    }
    f.listAll();
    f.w.cmdedit.click();
    o.accepted = enter(box, input, how);
    f.messages.clear();
    f.w.cmdsave.click();
    if (f.messages.shown().empty() || f.messages.last().text != kRenewed)
        return refusal(f.messages, o);
    f.w.Command2.click();
    f.listAll();
    o.shown = box.text();
    return o;
}

}  // namespace

TEST(BadInput, TitleWindowFieldsKeepOrRefuseWhatTheyAccepted) {
    runTable("NewJournal",
             {"Text2", "Text3", "Text4", "Text5", "Mask1", "Mask2", "Text8", "Text9", "Text7",
              "Text11", "Text12", "Mask3", "Mask4", "Mask5"},
             titleRoundTrip);
}

TEST(BadInput, PublisherRegisterFieldsKeepOrRefuseWhatTheyAccepted) {
    runTable("Adddealer", {"Text1", "Text2", "Text3", "Text4", "Text5"}, dealerRoundTrip);
}

TEST(BadInput, IssueRegisterFieldsKeepOrRefuseWhatTheyAccepted) {
    runTable("reg_journal", {"Text4", "Text5", "Text6"}, issueRoundTrip);
}

TEST(BadInput, ExpiryWindowFieldsKeepOrRefuseWhatTheyAccepted) {
    runTable("expdate", {"Text1", "Text2", "Text5", "Text6", "Text7", "Text8"}, expiryRoundTrip);
}

// ---- Search fields: what they hand on and find ----

namespace {

// A publisher name typed into the title window's publisher or agent field: with
// no match it goes to the register, is saved there, and is then found and
// picked back into the field.
Outcome publisherRoundTrip(const char* field, const QString& input, How how) {
    testing_support::NewJournalWindow f;
    const bool agent = QByteArray(field) == "Text14";
    ui::TextBox& box = agent ? f.w.Text14 : f.w.Text10;
    ui::PickList& list = agent ? f.w.dlbdeler1 : f.w.dlbdeler;
    f.w.Cmdadd.click();
    Outcome o;
    o.accepted = enter(box, input, how);
    f.messages.clear();
    box.doubleClick();
    if (!f.opener.opened.empty()) {
        EXPECT_EQ(f.newdealer, agent ? o.accepted.trimmed() : o.accepted);
        publishers::Adddealer reg(f.services);
        EXPECT_TRUE(reg.Form_Load());
        reg.Command1.click();
        box.setText({});
        box.paste(o.accepted);
        box.doubleClick();
    }
    const auto& rows = list.rows();
    const auto mine = std::find_if(rows.begin(), rows.end(), [&](const ui::PickRow& r) {
        return catalogue::DealerPicks::nameOf(r) == o.accepted;
    });
    if (mine == rows.end()) {
        ADD_FAILURE() << "the publisher search did not find the name accepted";
        return o;
    }
    list.chooseRow(int(mine - rows.begin()));
    list.doubleClick();
    if (!f.messages.shown().empty())
        return refusal(f.messages, o);
    o.shown = box.text();
    return o;
}

// A title stored under the text is found by typing the text into the issue
// register's search field; the field keeps what it took.
Outcome issueSearchRoundTrip(const char*, const QString& input, How how) {
    IssueWindow f;
    Outcome o;
    o.accepted = enter(f.w.Text1, input, how);
    issues_test::addTitle(f.temp.db(), QStringLiteral("J000009"), o.accepted);
    f.messages.clear();
    f.w.Command1.click();
    if (!f.messages.shown().empty())
        return refusal(f.messages, o);
    EXPECT_EQ(f.w.show_journal.textMatrix(1, 0), o.accepted);
    EXPECT_EQ(f.w.show_journal.rows(), 2) << "more than the title matched";
    o.shown = f.w.Text1.text();
    return o;
}

}  // namespace

TEST(BadInput, PublisherSearchFieldsHandOverAndFindWhatTheyAccepted) {
    runTable("NewJournal publisher fields", {"Text10", "Text14"}, publisherRoundTrip);
}

TEST(BadInput, IssueRegisterSearchFieldFindsWhatItAccepted) {
    runTable("reg_journal search", {"Text1"}, issueSearchRoundTrip);
}

// ---- Wildcards in searches match themselves ----

namespace {

QStringList descriptions(const std::vector<ui::PickRow>& rows) {
    QStringList out;
    for (const ui::PickRow& r : rows)
        out << r.description;
    return out;
}

const QStringList kWildNames = {QStringLiteral("A_B Review"), QStringLiteral("AxB Review"),
                                QStringLiteral("50% Off"), QStringLiteral("500 Off"),
                                QStringLiteral("O'Neil \"Quarterly\"")};

}  // namespace

TEST(BadInput, TitleNameSearchMatchesWildcardsLiterally) {
    testing_support::NewJournalWindow f;
    for (const QString& name : kWildNames)
        f.addTitle(name);
    auto search = [&](const QString& text) {
        f.w.Text2.setText({});
        f.w.Text2.typeText(text);
        f.w.Text2.doubleClick();
        return descriptions(f.w.dlbnamemag.rows());
    };
    EXPECT_EQ(search("_"), QStringList{"A_B Review"});
    EXPECT_EQ(search("A_B"), QStringList{"A_B Review"});
    EXPECT_EQ(search("%"), QStringList{"50% Off"});
    EXPECT_EQ(search("0%"), QStringList{"50% Off"});
    EXPECT_EQ(search("'Neil \"Q"), QStringList{kWildNames[4]});
    EXPECT_EQ(search("x"), QStringList{"AxB Review"});
}

TEST(BadInput, PublisherSearchesMatchWildcardsLiterally) {
    testing_support::NewJournalWindow f;
    publishers::DealerTable dealers(f.temp.db());
    const QStringList names = {"Wild_Card Press", "WildXCard Press", "100% Books", "1000 Books"};
    for (int i = 0; i < names.size(); ++i)
        dealers.add({QStringLiteral("9%1").arg(i), names[i], {}, {}, {}});
    f.w.Cmdadd.click();

    f.w.Text10.typeText("d_C");
    f.w.Text10.doubleClick();
    EXPECT_EQ(descriptions(f.w.dlbdeler.rows()), QStringList{"Wild_Card Press  (รหัส 90)"});
    f.w.Text14.typeText("0%");
    f.w.Text14.doubleClick();
    EXPECT_EQ(descriptions(f.w.dlbdeler1.rows()), QStringList{"100% Books  (รหัส 92)"});
    f.w.dcbdeler1.userType("_");
    f.w.dcbdeler1_Click();  // the combo's drop-down
    EXPECT_EQ(descriptions(f.w.dcbdeler1.rows()), QStringList{"Wild_Card Press  (รหัส 90)"});
    EXPECT_TRUE(f.opener.opened.empty());

    // No literal match: the register opens with the text handed over as typed.
    f.w.Text10.setText({});
    f.w.Text10.typeText("%_%");
    f.w.Text10.doubleClick();
    ASSERT_EQ(f.opener.opened.size(), 1u);
    EXPECT_EQ(f.newdealer, "%_%");
}

TEST(BadInput, IssueRegisterTitleSearchMatchesWildcardsLiterally) {
    IssueWindow f;
    for (int i = 0; i < kWildNames.size(); ++i)
        issues_test::addTitle(f.temp.db(), QStringLiteral("J10000%1").arg(i), kWildNames[i]);
    auto search = [&](const QString& text) {
        f.w.Command8.click();
        f.w.Text1.typeText(text);
        f.w.Text1.typeKey(ui::key::kEnter);
        QStringList names;
        for (int r = 1; r < f.w.show_journal.rows(); ++r)
            if (!f.w.show_journal.textMatrix(r, 0).isEmpty())
                names << f.w.show_journal.textMatrix(r, 0);
        return names;
    };
    EXPECT_EQ(search("_"), QStringList{"A_B Review"});
    EXPECT_EQ(search("%"), QStringList{"50% Off"});
    EXPECT_EQ(search("'Neil"), QStringList{kWildNames[4]});
    f.messages.clear();
    EXPECT_EQ(search("%_"), QStringList{});
    ASSERT_FALSE(f.messages.shown().empty());
    EXPECT_EQ(f.messages.last().text, QStringLiteral("ไม่พบรายชื่อวารสารนี้"));
}
