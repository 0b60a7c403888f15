#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "articles/ArticleRecords.h"
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

// Articles of a registered issue ("การใส่บทความ"): the clerk finds the
// journal and the issue as in the registration window, sees the issue's
// articles in page order, and adds, corrects or deletes one with its
// authors, subject headings, keywords, notes and abstract (its own tab).
class ArticleWindow : public ui::Form {
  public:
    static constexpr int kArticleTab = 0, kAbstractTab = 1;
    ArticleWindow(ui::Services& services, int firstTab = kArticleTab);
    ~ArticleWindow() override;

    ui::TextBox titleSearchText{"titleSearchText"};
    ui::CommandButton findButton{"findButton", QStringLiteral("ค้นหา")};
    ui::Grid titleList{"titleList", 1, 2};
    ui::Grid issueList{"issueList", 1, 4};
    ui::Grid articleList{"articleList", 1, 3};

    ui::TabControl pages{"pages", {QStringLiteral("บทความ"), QStringLiteral("บทคัดย่อของบทความ")}};
    ui::Label issueLabel{"issueLabel"};
    ui::TextBox articleTitleText{"articleTitleText"};
    ui::TextBox otherTitleText{"otherTitleText"};
    ui::TextBox pagesText{"pagesText"};
    ui::PickList languagePick{"languagePick"};
    ui::TextBox authorText{"authorText"};
    ui::PickList authorMatches{"authorMatches"};
    ui::OptionButton personOption{"personOption", QStringLiteral("บุคคล")};
    ui::OptionButton corporateOption{"corporateOption", QStringLiteral("นิติบุคคล")};
    ui::CommandButton addAuthorButton{"addAuthorButton", QStringLiteral("เพิ่มผู้แต่ง")};
    ui::CommandButton removeAuthorButton{"removeAuthorButton", QStringLiteral("เอาออก")};
    ui::Grid authorRows{"authorRows", 1, 2};
    ui::PickList headingPick{"headingPick"};
    ui::CommandButton addHeadingButton{"addHeadingButton", QStringLiteral("เพิ่มหัวเรื่อง")};
    ui::CommandButton removeHeadingButton{"removeHeadingButton", QStringLiteral("เอาออก")};
    ui::Grid headingRows{"headingRows", 1, 1};
    ui::TextBox keywordsText{"keywordsText"};
    ui::TextBox notesText{"notesText"};
    ui::TextBox abstractText{"abstractText"};

    ui::CommandButton newButton{"newButton", QStringLiteral("บทความใหม่")};
    ui::CommandButton saveButton{"saveButton", QStringLiteral("บันทึก")};
    ui::CommandButton deleteButton{"deleteButton", QStringLiteral("ลบบทความ")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    bool Form_Load();
    // Opens on this registered issue, chosen, as the registration window asks.
    void showIssue(const QString& magno);
    // Chooses this article of the issue shown, as a click on its row does.
    void chooseArticle(qint64 id);

    void findButton_Click();
    void titleList_Click();
    void issueList_Click();
    void articleList_Click();
    void authorText_Change();
    void authorMatches_Click();
    void addAuthorButton_Click();
    void removeAuthorButton_Click();
    void addHeadingButton_Click();
    void removeHeadingButton_Click();
    void newButton_Click();
    void saveButton_Click();
    void deleteButton_Click();
    void closeButton_Click();

    QString chosenIssue() const { return magno_; }
    qint64 editing() const { return editing_; }

  private:
    // Runs a step; a broken rule or a database failure is told and the
    // window stays as it was.
    bool attempt(const std::function<void()>& step);
    void listIssues(const QString& pointer);
    void listArticles();
    void showArticle(const Article& a);
    Article entered() const;
    void showAuthors();
    void showHeadings();
    void fillHeadingPick();

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::vector<QString> titlePointers_;
    std::vector<QString> issueNumbers_;
    std::vector<qint64> articleIds_;
    std::vector<AuthorName> authors_;
    QStringList headings_;
    QString magno_;
    qint64 editing_ = 0;
};

}  // namespace articles
