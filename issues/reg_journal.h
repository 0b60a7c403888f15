#pragma once

#include <QDate>
#include <memory>
#include <optional>
#include <vector>

#include "issues/EntryCalendars.h"
#include "issues/EntryCommands.h"
#include "issues/IssueEntry.h"
#include "issues/IssueList.h"
#include "issues/IssueSave.h"
#include "issues/SubscriptionList.h"
#include "issues/SubscriptionSummary.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace issues {

struct TitleMatch;

// The issue registration window: finds a title by part of its name, lists
// its registered issues and registers, edits and deletes them.
class reg_journal : public ui::Form {
  public:
    explicit reg_journal(ui::Services& services);
    ~reg_journal() override;

    bool Form_Load();
    // Lists just this subscription of a title, chosen, as a click on its row
    // would: another window hands over a title to register issues under.
    void showTitle(const QString& pointer, const QString& name, const QString& departmentCode,
                   const QString& departmentName);

    ui::Frame Frame1{"Frame1", QStringLiteral("ป้อนรายชื่อวารสาร")};
    ui::TextBox Text1{"Text1"};
    ui::CommandButton Command1{"Command1", QStringLiteral("Search")};
    ui::CommandButton Command8{"Command8", QStringLiteral("Clear")};

    ui::Frame Frame2{"Frame2", QStringLiteral("รายชื่อวารสาร")};
    ui::Grid show_journal{"show_journal", 14, 4};
    ui::Frame Frame3{"Frame3", QStringLiteral("ฉบับที่ได้รับ")};
    ui::Grid show_item{"show_item", 14, 6};

    ui::Frame Frame4{"Frame4", QStringLiteral("ลงทะเบียนวารวาร")};
    ui::Label Label2{"Label2", QStringLiteral("เลขะเบียน")};
    ui::TextBox Text2{"Text2"};
    ui::Label Label3{"Label3", QStringLiteral("ประจำเดือนที่")};
    ui::TextBox Text3{"Text3"};
    ui::CommandButton Command9{"Command9", QStringLiteral("...")};
    ui::Label Label4{"Label4", QStringLiteral("ปี่ที่")};
    ui::TextBox Text4{"Text4"};
    ui::Label Label5{"Label5", QStringLiteral("ฉบับที่")};
    ui::TextBox Text5{"Text5"};
    ui::Label Label6{"Label6", QStringLiteral("คำอธิบาย")};
    ui::TextBox Text6{"Text6"};
    ui::Label Label8{"Label8", QStringLiteral("วันที่รับ")};
    ui::TextBox Text7{"Text7"};
    ui::CommandButton Command10{"Command10", QStringLiteral("...")};
    ui::MonthCalendar MonthView1{"MonthView1"};
    ui::MonthCalendar MonthView2{"MonthView2"};

    ui::Frame Frame5{"Frame5", QStringLiteral("เล่มล่าสุดที่ลงทะเบียน")};
    ui::Label Label1{"Label1"};

    ui::CommandButton Command2{"Command2", QStringLiteral("ลงทะเบียนใหม่")};
    ui::CommandButton Command3{"Command3", QStringLiteral("แก้ไข")};
    ui::CommandButton Command6{"Command6", QStringLiteral("ลบข้อมูล")};
    ui::CommandButton Command7{"Command7", QStringLiteral("บันทึก")};
    ui::CommandButton Command4{"Command4", QStringLiteral("ยกเลิก")};
    ui::CommandButton Command5{"Command5", QStringLiteral("Exit")};
    // The articles of the chosen issue, in the article window.
    ui::CommandButton articlesButton{"articlesButton", QStringLiteral("บทความ")};
    // How many indexed articles an issue has; the shell tells it.
    std::function<int(const QString& magno)> articleCount;

    // The subscription's expected issues, for a title with a publication pattern.
    ui::Frame expectedFrame{"expectedFrame", QStringLiteral("ฉบับที่ควรได้รับ")};
    ui::Grid expectedList{"expectedList", 1, 4};
    // What the desk holds of the subscription listed.
    ui::Label holdingsLabel{"holdingsLabel"};

    // "New" or "Edit" while an entry is open; empty at load.
    QString entryMode;

    void Command1_Click();
    void Text1_KeyPress(int& keyAscii);
    void show_journal_Click();
    void show_item_Click();
    void Command8_Click();
    void Command5_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command7_Click();
    void Command6_Click();
    void articlesButton_Click();
    void Command9_Click();
    void Command10_Click();
    void MonthView1_DateClick(const QDate& date);
    void MonthView2_DateClick(const QDate& date);

    void reset_textbox();
    void active_textbox();
    void cls_show_listitem();
    void cls_show_journal();

    // Another window hands over a title: its subscriptions are listed and
    // the first is picked, as the clerk would after a search.
    void showTitle(const QString& pointer);
    QString openEntry() const override;

  private:
    // Lists the issues of a title from its first page; a blank list when it
    // has none, the list as it was when the read failed (the failure told).
    IssueList::Shown fillIssues(const QString& pointer);
    // After a save or a delete: the subscription's issues, or a blank list and
    // caption when none are left.
    void refillIssues(const Subscription& subscription);
    // A listed title's issues are shown: its lists marked and New open to it.
    void issuesShown();
    // After a save: the stored issue, new or edited, takes its row in the list.
    void showSaved(const QString& magno, bool added);
    // The titles list was filled: no title is chosen yet.
    void titlesListed();
    void registerScanned(bool single, const QString& addOn);
    // Fills the entry with the expected issue (the next one, or the one the
    // add-on names); false when there is none.
    bool proposeExpected(const QString& addOn);
    void showExpected();
    // A scanned title of several faculties: New opens once one is picked.
    void openScannedEntry();
    // Before a search, a scan, Clear or a handed-over title replaces the
    // list: an open entry is named and the clerk asks to cancel it or keeps
    // it (false: nothing is replaced).
    bool entryGivesWay();
    // A search replaced the titles list: no title is listed any more.
    void forgetListedTitle();
    bool entryOpen() const { return commands_.entryOpen(); }
    // New, Edit and Delete act on the listed title, so only one can enable them.
    void enableTitleCommands();
    // New or Edit opens the entry for the listed subscription.
    void beginEntry(const QString& mode);
    void endEntry();
    // Writes the entry, a new issue or an edit; false while it stays open.
    bool saveEntry(bool adding);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    SubscriptionList titles_{show_journal};
    IssueList issues_{show_item, Label1};
    IssueEntry fields_{Text2, Text3, Text4, Text5, Text6, Text7};
    SubscriptionSummary summary_{expectedList, holdingsLabel};
    // The subscription whose issues are listed and named in the caption, and
    // the one an open entry belongs to (taken when New or Edit is pressed).
    Subscription listed_;
    Subscription entry_;
    EntryCalendars calendars_{{Command9, MonthView1, Text3}, {Command10, MonthView2, Text7}};
    EntryCommands commands_{
        {Command2, Command3, Command6, Command7, Command4}, show_journal, show_item, calendars_};
    // The add-on of a scan that waits for its faculty to be picked.
    std::optional<QString> scannedAddOn_;
};

}  // namespace issues
