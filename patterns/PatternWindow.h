#pragma once

#include <memory>
#include <optional>

#include "patterns/PatternRecords.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace patterns {

// The publication pattern of one title: its frequency, one known issue with
// its date and numbers, how volumes and numbers go on, lead time and grace,
// omitted and combined issues. The next 12 issues it predicts are shown as
// the fields change, before anything is saved.
class PatternWindow : public ui::Form {
  public:
    explicit PatternWindow(ui::Services& services);
    ~PatternWindow() override;

    bool Form_Load();
    // Loads the title's pattern, or proposes one from its frequency code;
    // fields changed and not saved are dropped only when the clerk says so.
    void showTitle(const QString& pointer);
    QString openEntry() const override;

    enum PreviewColumn {
        volumeColumn,
        issueColumn,
        publishedColumn,
        expectedColumn,
        chronologyColumn,
        previewColumns
    };
    static constexpr int kPreviewCount = 12;

    ui::Label titleLabel{"titleLabel"};
    ui::Label frequencyLabel{"frequencyLabel", QStringLiteral("กำหนดออก")};
    ui::PickList frequencyList{"frequencyList"};
    ui::Label everyDaysLabel{"everyDaysLabel", QStringLiteral("ทุกกี่วัน")};
    ui::TextBox everyDaysText{"everyDaysText"};
    ui::Label knownDateLabel{"knownDateLabel", QStringLiteral("วันที่ออกของฉบับที่ทราบ")};
    ui::TextBox knownDateText{"knownDateText"};
    ui::Label knownVolumeLabel{"knownVolumeLabel", QStringLiteral("ปีที่")};
    ui::TextBox knownVolumeText{"knownVolumeText"};
    ui::Label knownIssueLabel{"knownIssueLabel", QStringLiteral("ฉบับที่")};
    ui::TextBox knownIssueText{"knownIssueText"};
    ui::Label issuesPerVolumeLabel{"issuesPerVolumeLabel", QStringLiteral("จำนวนฉบับต่อปีที่")};
    ui::TextBox issuesPerVolumeText{"issuesPerVolumeText"};
    ui::OptionButton restartOption{"restartOption", QStringLiteral("ฉบับที่เริ่ม 1 ทุกปีที่")};
    ui::OptionButton runOnOption{"runOnOption", QStringLiteral("ฉบับที่นับต่อเนื่อง")};
    ui::Label volumeStartLabel{"volumeStartLabel", QStringLiteral("ปีที่ใหม่เริ่ม")};
    ui::PickList volumeStartList{"volumeStartList"};
    ui::Label leadDaysLabel{"leadDaysLabel", QStringLiteral("วันที่ใช้ส่งถึง")};
    ui::TextBox leadDaysText{"leadDaysText"};
    ui::Label graceDaysLabel{"graceDaysLabel", QStringLiteral("ผ่อนผัน (วัน)")};
    ui::TextBox graceDaysText{"graceDaysText"};
    ui::Label omittedLabel{"omittedLabel", QStringLiteral("เดือนที่งดออก (เช่น 7)")};
    ui::TextBox omittedMonthsText{"omittedMonthsText"};
    ui::Label combinedLabel{"combinedLabel", QStringLiteral("ฉบับควบ (เช่น 7 คือ 7/8)")};
    ui::TextBox combinedIssuesText{"combinedIssuesText"};
    ui::OptionButton buddhistOption{"buddhistOption", QStringLiteral("ปีพุทธศักราช")};
    ui::OptionButton christianOption{"christianOption", QStringLiteral("ปีคริสต์ศักราช")};
    ui::OptionButton publishingOption{"publishingOption", QStringLiteral("ยังออกอยู่")};
    ui::OptionButton ceasedOption{"ceasedOption", QStringLiteral("หยุดพิมพ์แล้ว")};
    ui::Label problemLabel{"problemLabel"};
    ui::Grid previewGrid{"previewGrid", 1, previewColumns};
    ui::CommandButton saveButton{"saveButton", QStringLiteral("บันทึก")};
    ui::CommandButton removeButton{"removeButton", QStringLiteral("ไม่ใช้รูปแบบ")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};
    // For an imported collection: patterns proposed from its own data.
    ui::CommandButton proposalsButton{"proposalsButton", QStringLiteral("เสนอรูปแบบจากข้อมูลเดิม...")};

    void frequencyList_Change();
    void preview();
    void saveButton_Click();
    void removeButton_Click();
    void closeButton_Click();

    // The pattern the fields describe, or the reason they describe none.
    std::optional<PublicationPattern> fieldsPattern(QString& problem) const;

  private:
    void showPattern(const StoredPattern& stored);
    Era chosenEra() const;
    // Every value the fields hold, to tell a change from what was loaded or saved.
    QStringList shownValues() const;

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::optional<TitleFacts> title_;
    QStringList stored_;
};

}  // namespace patterns
