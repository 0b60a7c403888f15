#pragma once

#include <QHash>
#include <memory>
#include <vector>

#include "articles/HeadingRecords.h"
#include "articles/HeadingSource.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"
#include "ui/Services.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace articles {

// The subject headings as a code table of the settings menu: a heading, its
// Thai form and its "see also" references to other headings; added,
// corrected, and deleted while no article uses it.
class HeadingWindow : public ui::Form {
  public:
    explicit HeadingWindow(ui::Services& services);
    ~HeadingWindow() override;

    ui::Grid headingList{"headingList", 1, 3};
    ui::Label headingLabel{"headingLabel", QStringLiteral("หัวเรื่อง")};
    ui::TextBox headingText{"headingText"};
    ui::Label thaiLabel{"thaiLabel", QStringLiteral("หัวเรื่องภาษาไทย")};
    ui::TextBox thaiText{"thaiText"};
    ui::Label seeAlsoLabel{"seeAlsoLabel", QStringLiteral("ดูเพิ่มเติมที่")};
    ui::PickList seeAlsoPick{"seeAlsoPick"};
    ui::CommandButton addSeeAlsoButton{"addSeeAlsoButton", QStringLiteral("เพิ่ม")};
    ui::CommandButton removeSeeAlsoButton{"removeSeeAlsoButton", QStringLiteral("เอาออก")};
    ui::Grid seeAlsoRows{"seeAlsoRows", 1, 1};
    ui::CommandButton newButton{"newButton", QStringLiteral("เพิ่มใหม่")};
    ui::CommandButton saveButton{"saveButton", QStringLiteral("บันทึก")};
    ui::CommandButton deleteButton{"deleteButton", QStringLiteral("ลบ")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    bool Form_Load();
    void headingList_Click();
    void addSeeAlsoButton_Click();
    void removeSeeAlsoButton_Click();
    void newButton_Click();
    void saveButton_Click();
    void deleteButton_Click();

  private:
    bool attempt(const std::function<void()>& step);
    // Lists every heading again, the row of `choose` current.
    void listHeadings(qint64 choose);
    // The pick list of references, with the shown form of every heading.
    void readPicks();
    // The saved heading takes its place in the list; the whole list is read
    // again only where a heading corrected is among other rows' references.
    void placeSaved(qint64 id, int from, bool corrected);
    void chooseRow(int row);
    void showHeading(const Heading& h);
    void showSeeAlso();
    QString shownOf(qint64 id) const;

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::shared_ptr<HeadingSource> list_;
    QHash<qint64, QString> shown_;
    qint64 editing_ = 0;
    std::vector<qint64> seeAlso_;
};

}  // namespace articles
