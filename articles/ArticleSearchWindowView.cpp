#include "articles/ArticleSearchWindowView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace articles {

using ui::qt::place;

ArticleSearchWindowView::ArticleSearchWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<ArticleSearchWindow>(services)), binder_(*logic_) {
    ArticleSearchWindow& f = *logic_;
    setObjectName(QStringLiteral("ArticleSearchWindow"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(12000, 8400));
    constexpr int kLabel = 120, kField = 2900, kRow = 420, kHeight = 360;
    binder_.bind(f.wordsLabel, place<QLabel>(this, kLabel, 150, 2700, 330));
    binder_.bind(f.wordsText, place<QLineEdit>(this, kField, 120, 5400, kHeight));
    binder_.bind(f.authorLabel, place<QLabel>(this, kLabel, 150 + kRow, 2700, 330));
    binder_.bind(f.authorText, place<QLineEdit>(this, kField, 120 + kRow, 5400, kHeight));
    binder_.bind(f.headingLabel, place<QLabel>(this, kLabel, 150 + 2 * kRow, 2700, 330));
    binder_.bind(f.headingPick, place<QComboBox>(this, kField, 120 + 2 * kRow, 5400, kHeight));
    binder_.bind(f.journalLabel, place<QLabel>(this, kLabel, 150 + 3 * kRow, 2700, 330));
    binder_.bind(f.journalText, place<QLineEdit>(this, kField, 120 + 3 * kRow, 5400, kHeight));
    binder_.bind(f.yearsLabel, place<QLabel>(this, kLabel, 150 + 4 * kRow, 2700, 330));
    binder_.bind(f.fromYearText, place<QLineEdit>(this, kField, 120 + 4 * kRow, 900, kHeight));
    binder_.bind(f.toYearLabel, place<QLabel>(this, kField + 1020, 150 + 4 * kRow, 500, 330));
    binder_.bind(f.toYearText, place<QLineEdit>(this, kField + 1560, 120 + 4 * kRow, 900, kHeight));
    binder_.bind(f.findButton, place<QPushButton>(this, 8500, 120, 1400, 480));
    binder_.bind(f.countLabel, place<QLabel>(this, kLabel, 150 + 5 * kRow, 8000, 330));
    binder_.bind(f.resultList, place<QTableView>(this, kLabel, 120 + 6 * kRow, 11760, 4900));
    binder_.bind(f.openArticleButton, place<QPushButton>(this, 5400, 7800, 2000, 480));
    binder_.bind(f.openIssueButton, place<QPushButton>(this, 7500, 7800, 2900, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 10500, 7800, 1380, 480));
    f.onUnload = [this] { closeWindow(); };
}

ArticleSearchWindowView::~ArticleSearchWindowView() = default;

bool ArticleSearchWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace articles
