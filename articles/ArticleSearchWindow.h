#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "articles/ArticleSearch.h"
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

// Finding articles ("สืบค้นบทความ"): by words of the title, abstract or
// keywords, by author, subject heading, journal and years, combined. A
// result shows its citation and opens the article, or the registration
// window on its journal.
class ArticleSearchWindow : public ui::Form {
  public:
    explicit ArticleSearchWindow(ui::Services& services);
    ~ArticleSearchWindow() override;

    ui::Label wordsLabel{"wordsLabel", QStringLiteral("คำในชื่อเรื่อง บทคัดย่อ คำสำคัญ")};
    ui::TextBox wordsText{"wordsText"};
    ui::Label authorLabel{"authorLabel", QStringLiteral("ผู้แต่ง")};
    ui::TextBox authorText{"authorText"};
    ui::Label headingLabel{"headingLabel", QStringLiteral("หัวเรื่อง")};
    ui::PickList headingPick{"headingPick"};
    ui::Label journalLabel{"journalLabel", QStringLiteral("ชื่อวารสาร")};
    ui::TextBox journalText{"journalText"};
    ui::Label yearsLabel{"yearsLabel", QStringLiteral("ปี ค.ศ. ตั้งแต่")};
    ui::TextBox fromYearText{"fromYearText"};
    ui::Label toYearLabel{"toYearLabel", QStringLiteral("ถึง")};
    ui::TextBox toYearText{"toYearText"};
    ui::CommandButton findButton{"findButton", QStringLiteral("ค้นหา")};
    ui::Label countLabel{"countLabel"};
    ui::Grid resultList{"resultList", 1, 2};
    ui::CommandButton openArticleButton{"openArticleButton", QStringLiteral("เปิดบทความ")};
    ui::CommandButton openIssueButton{"openIssueButton", QStringLiteral("เปิดฉบับที่ลงทะเบียน")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    bool Form_Load();
    void findButton_Click();
    void openArticleButton_Click();
    void openIssueButton_Click();

    // The shell opens the article window on the issue with this article chosen.
    std::function<void(const QString& magno, qint64 articleId)> onOpenArticle;

  private:
    bool attempt(const std::function<void()>& step);
    // The article of the current row: its issue number and key; nullopt
    // (told) when there is none.
    std::optional<std::pair<QString, qint64>> current();
    void showSummary(int total);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
};

}  // namespace articles
