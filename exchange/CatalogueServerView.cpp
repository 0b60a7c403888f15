#include "exchange/CatalogueServerView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace exchange {

CatalogueServerView::CatalogueServerView(ui::Services& services, const QString& configFile,
                                         QWidget* parent)
    : FormView(parent),
      logic_(std::make_unique<CatalogueServerWindow>(services, CatalogueServers(configFile))) {
    setObjectName(QStringLiteral("CatalogueServers"));
    setWindowTitle(CatalogueServerWindow::caption());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("เครื่องบริการ Z39.50 (เช่น catalog.example.ac.th:210/Default) "
                                  "หรือที่อยู่ SRU (http://...) ที่การสืบค้นวารสารร่วมกับหนังสือถาม"),
                   this));
    serverList_ = new QListWidget(this);
    serverList_->setObjectName(QStringLiteral("serverList"));
    layout->addWidget(serverList_, 1);
    auto* addRow = new QHBoxLayout;
    addressEdit_ = new QLineEdit(this);
    addressEdit_->setObjectName(QStringLiteral("addressEdit"));
    auto* add = new QPushButton(QStringLiteral("เพิ่ม"), this);
    add->setObjectName(QStringLiteral("addButton"));
    addRow->addWidget(addressEdit_, 1);
    addRow->addWidget(add);
    layout->addLayout(addRow);
    auto* buttons = new QHBoxLayout;
    auto* remove = new QPushButton(QStringLiteral("ลบรายการที่เลือก"), this);
    remove->setObjectName(QStringLiteral("removeButton"));
    auto* save = new QPushButton(QStringLiteral("บันทึก"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    auto* close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(560, 360);

    const auto addTyped = [this] {
        if (logic_->add(addressEdit_->text()))
            addressEdit_->clear();
    };
    connect(add, &QPushButton::clicked, this, addTyped);
    connect(addressEdit_, &QLineEdit::returnPressed, this, addTyped);
    connect(remove, &QPushButton::clicked, this,
            [this] { logic_->remove(serverList_->currentRow()); });
    connect(save, &QPushButton::clicked, this, [this] { logic_->save(); });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    logic_->onChange = [this] { refresh(); };
    refresh();
    // The clerk comes to type an address; the list is for taking one out.
    addressEdit_->setFocus();
    useWindowKeys();
}

CatalogueServerView::~CatalogueServerView() = default;

void CatalogueServerView::refresh() {
    serverList_->clear();
    serverList_->addItems(logic_->servers());
}

}  // namespace exchange
