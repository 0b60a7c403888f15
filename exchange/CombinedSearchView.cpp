#include "exchange/CombinedSearchView.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace exchange {

namespace {

QLineEdit* edit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

QTreeWidget* list(QWidget* parent, const char* name, const QStringList& columns) {
    auto* t = new QTreeWidget(parent);
    t->setObjectName(QLatin1String(name));
    t->setHeaderLabels(columns);
    t->setRootIsDecorated(false);
    return t;
}

}  // namespace

CombinedSearchView::CombinedSearchView(ui::Services& services, const QStringList& servers,
                                       QWidget* parent)
    : FormView(parent), logic_(std::make_unique<CombinedSearchWindow>(services, servers)) {
    setObjectName(QStringLiteral("CombinedSearch"));
    setWindowTitle(CombinedSearchWindow::caption());
    auto* layout = new QVBoxLayout(this);

    auto* query = new QHBoxLayout;
    auto* fields = new QFormLayout;
    wordsEdit_ = edit(this, "wordsEdit");
    authorEdit_ = edit(this, "authorEdit");
    subjectEdit_ = edit(this, "subjectEdit");
    numberEdit_ = edit(this, "numberEdit");
    fields->addRow(QStringLiteral("คำในชื่อเรื่อง"), wordsEdit_);
    fields->addRow(QStringLiteral("ผู้แต่ง"), authorEdit_);
    fields->addRow(QStringLiteral("หัวเรื่อง"), subjectEdit_);
    fields->addRow(QStringLiteral("ISSN/ISBN"), numberEdit_);
    query->addLayout(fields, 1);
    searchButton_ = new QPushButton(QStringLiteral("ค้นหา"), this);
    searchButton_->setObjectName(QStringLiteral("searchButton"));
    searchButton_->setDefault(true);
    query->addWidget(searchButton_, 0, Qt::AlignBottom);
    layout->addLayout(query);

    auto* split = new QSplitter(this);
    auto* desk = new QGroupBox(QStringLiteral("วารสารของงานวารสาร"), split);
    auto* deskColumn = new QVBoxLayout(desk);
    deskList_ = list(desk, "deskList",
                     {QStringLiteral("ชื่อวารสาร"), QStringLiteral("รหัส"), QStringLiteral("ISSN")});
    deskColumn->addWidget(deskList_);
    auto* library = new QGroupBox(QStringLiteral("ระบบห้องสมุด (หนังสือและวารสาร)"), split);
    auto* libraryColumn = new QVBoxLayout(library);
    catalogueList_ =
        list(library, "catalogueList",
             {QStringLiteral("ชื่อเรื่อง"), QStringLiteral("ผู้แต่ง"), QStringLiteral("ISSN/ISBN"),
              QStringLiteral("ปี"), QStringLiteral("ประเภท"), QStringLiteral("งานวารสารมี")});
    libraryColumn->addWidget(catalogueList_);
    split->addWidget(desk);
    split->addWidget(library);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    statusLabel_->setWordWrap(true);
    layout->addWidget(statusLabel_);

    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(QStringLiteral("เปิดข้อมูลวารสาร"), this);
    open->setObjectName(QStringLiteral("openTitleButton"));
    auto* reg = new QPushButton(QStringLiteral("ลงทะเบียนวารสาร"), this);
    reg->setObjectName(QStringLiteral("registerButton"));
    auto* close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(open);
    buttons->addWidget(reg);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setMinimumSize(900, 560);

    const auto search = [this] {
        logic_->search(
            {wordsEdit_->text(), authorEdit_->text(), subjectEdit_->text(), numberEdit_->text()});
    };
    connect(searchButton_, &QPushButton::clicked, this, search);
    for (QLineEdit* e : {wordsEdit_, authorEdit_, subjectEdit_, numberEdit_})
        connect(e, &QLineEdit::returnPressed, this, search);
    connect(deskList_, &QTreeWidget::itemActivated, this,
            [this] { logic_->openDeskTitle(deskList_->currentIndex().row(), false); });
    connect(catalogueList_, &QTreeWidget::itemActivated, this,
            [this] { logic_->openHeldTitle(catalogueList_->currentIndex().row(), false); });
    connect(open, &QPushButton::clicked, this, [this] { openChosen(false); });
    connect(reg, &QPushButton::clicked, this, [this] { openChosen(true); });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    logic_->onChange = [this] { refresh(); };
    refresh();
    useWindowKeys();
}

CombinedSearchView::~CombinedSearchView() = default;

void CombinedSearchView::openChosen(bool registration) {
    // The list used last decides: a held catalogue record opens the desk's
    // title of its ISSN.
    if (catalogueList_->hasFocus() && catalogueList_->currentItem())
        logic_->openHeldTitle(catalogueList_->currentIndex().row(), registration);
    else
        logic_->openDeskTitle(deskList_->currentIndex().row(), registration);
}

void CombinedSearchView::refresh() {
    deskList_->clear();
    for (const auto& t : logic_->deskTitles())
        deskList_->addTopLevelItem(new QTreeWidgetItem({t.name, t.key, t.issn}));
    catalogueList_->clear();
    for (const auto& f : logic_->catalogueRecords()) {
        auto* item = new QTreeWidgetItem(
            {f.hit.title, f.hit.author, f.hit.issn.isEmpty() ? f.hit.isbn : f.hit.issn, f.hit.year,
             f.hit.serial ? QStringLiteral("วารสาร") : QStringLiteral("หนังสือ"),
             f.heldKey.isEmpty() ? QString() : QStringLiteral("มี (%1)").arg(f.heldKey)});
        if (!f.heldKey.isEmpty()) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int c = 0; c < item->columnCount(); ++c)
                item->setFont(c, bold);
        }
        catalogueList_->addTopLevelItem(item);
    }
    for (QTreeWidget* t : {deskList_, catalogueList_})
        for (int c = 0; c < t->columnCount(); ++c)
            t->resizeColumnToContents(c);
    statusLabel_->setText(logic_->status().join(u'\n'));
    searchButton_->setEnabled(!logic_->searching());
}

}  // namespace exchange
