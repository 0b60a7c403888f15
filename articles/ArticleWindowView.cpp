#include "articles/ArticleWindowView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include "ui/qt/Twips.h"

namespace articles {

using ui::qt::place;

namespace {

constexpr int kRow = 420, kLabelWidth = 1500, kField = 1740, kFieldHeight = 330;

QLabel* label(QWidget* parent, int top, const QString& text) {
    auto* l = place<QLabel>(parent, 120, top, kLabelWidth, kFieldHeight);
    l->setText(text);
    return l;
}

}  // namespace

ArticleWindowView::ArticleWindowView(ui::Services& services, int firstTab, QWidget* parent)
    : FormView(parent),
      logic_(std::make_unique<ArticleWindow>(services, firstTab)),
      binder_(*logic_) {
    ArticleWindow& f = *logic_;
    setObjectName(QStringLiteral("ArticleWindow"));
    setWindowTitle(f.caption());
    setFixedSize(ui::qt::twipsSize(14400, 9300));

    auto* find = place<QGroupBox>(this, 120, 60, 5400, 9100);
    find->setTitle(QStringLiteral("วารสารและฉบับ"));
    binder_.bind(f.titleSearchText, place<QLineEdit>(find, 120, 300, 3900, kFieldHeight));
    binder_.bind(f.findButton, place<QPushButton>(find, 4140, 270, 1140, 400));
    binder_.bind(f.titleList, place<QTableView>(find, 120, 760, 5160, 2200));
    binder_.bind(f.issueList, place<QTableView>(find, 120, 3060, 5160, 2400));
    binder_.bind(f.articleList, place<QTableView>(find, 120, 5560, 5160, 3400));

    auto* tabs = place<QTabWidget>(this, 5640, 60, 8640, 8500);
    auto* entry = new QWidget;
    auto* abstractPage = new QWidget;
    tabs->addTab(entry, f.pages.captions()[0]);
    tabs->addTab(abstractPage, f.pages.captions()[1]);
    binder_.bind(f.pages, tabs);

    binder_.bind(f.issueLabel, place<QLabel>(entry, 120, 60, 8300, kFieldHeight));
    int top = 480;
    label(entry, top, QStringLiteral("ชื่อบทความ"));
    binder_.bind(f.articleTitleText, place<QLineEdit>(entry, kField, top, 6600, kFieldHeight));
    label(entry, top += kRow, QStringLiteral("ชื่อภาษาอื่น"));
    binder_.bind(f.otherTitleText, place<QLineEdit>(entry, kField, top, 6600, kFieldHeight));
    label(entry, top += kRow, QStringLiteral("หน้า"));
    binder_.bind(f.pagesText, place<QLineEdit>(entry, kField, top, 1500, kFieldHeight));
    auto* language = place<QLabel>(entry, 3480, top, 900, kFieldHeight);
    language->setText(QStringLiteral("ภาษา"));
    binder_.bind(f.languagePick, place<QComboBox>(entry, 4440, top, 2400, kFieldHeight));

    label(entry, top += kRow, QStringLiteral("ผู้แต่ง"));
    binder_.bind(f.authorText, place<QLineEdit>(entry, kField, top, 3600, kFieldHeight));
    binder_.bind(f.personOption, place<QRadioButton>(entry, 5460, top, 1000, kFieldHeight));
    binder_.bind(f.corporateOption, place<QRadioButton>(entry, 6480, top, 1300, kFieldHeight));
    binder_.bind(f.authorMatches, place<QListWidget>(entry, kField, top + kRow, 3600, 1260));
    binder_.bind(f.authorRows, place<QTableView>(entry, 5460, top + kRow, 3000, 1260));
    binder_.bind(f.addAuthorButton, place<QPushButton>(entry, 120, top + kRow, 1500, 400));
    binder_.bind(f.removeAuthorButton, place<QPushButton>(entry, 120, top + 2 * kRow, 1500, 400));

    top += kRow + 1380;
    label(entry, top, QStringLiteral("หัวเรื่อง"));
    auto* heading = place<QComboBox>(entry, kField, top, 3600, kFieldHeight);
    heading->setEditable(true);
    binder_.bind(f.headingPick, heading);
    binder_.bind(f.headingRows, place<QTableView>(entry, 5460, top, 3000, 1260));
    binder_.bind(f.addHeadingButton, place<QPushButton>(entry, 120, top + kRow, 1500, 400));
    binder_.bind(f.removeHeadingButton, place<QPushButton>(entry, 120, top + 2 * kRow, 1500, 400));

    top += 1380;
    label(entry, top, QStringLiteral("คำสำคัญ"));
    binder_.bind(f.keywordsText, place<QLineEdit>(entry, kField, top, 6600, kFieldHeight));
    label(entry, top += kRow, QStringLiteral("หมายเหตุ"));
    binder_.bind(f.notesText, place<QLineEdit>(entry, kField, top, 6600, kFieldHeight));

    // A long text: the line box of the controls would show one line of it.
    abstract_ = place<QPlainTextEdit>(abstractPage, 120, 120, 8300, 7700);
    abstract_->setObjectName(QStringLiteral("abstractText"));
    connect(abstract_, &QPlainTextEdit::textChanged, this,
            [this] { logic_->abstractText.setText(abstract_->toPlainText()); });
    f.abstractText.watch([this] {
        if (abstract_->toPlainText() != logic_->abstractText.text())
            abstract_->setPlainText(logic_->abstractText.text());
    });

    binder_.bind(f.newButton, place<QPushButton>(this, 5640, 8700, 1700, 480));
    binder_.bind(f.saveButton, place<QPushButton>(this, 7460, 8700, 1500, 480));
    binder_.bind(f.deleteButton, place<QPushButton>(this, 9080, 8700, 1500, 480));
    binder_.bind(f.closeButton, place<QPushButton>(this, 12780, 8700, 1500, 480));
    f.onUnload = [this] { closeWindow(); };
}

ArticleWindowView::~ArticleWindowView() = default;

bool ArticleWindowView::load() {
    return logic_->Form_Load();
}

}  // namespace articles
