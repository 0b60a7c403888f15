#include "exchange/MarcExchangeView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/OpenFileDialog.h"
#include "ui/qt/SaveFileDialog.h"

namespace exchange {

MarcExchangeView::MarcExchangeView(ui::Services& services, QWidget* parent)
    : FormView(parent), logic_(std::make_unique<MarcExchangeWindow>(services)) {
    setObjectName(QStringLiteral("MarcExchange"));
    setWindowTitle(MarcExchangeWindow::caption());
    auto* layout = new QVBoxLayout(this);

    auto* out = new QGroupBox(QStringLiteral("ส่งวารสารทุกรายการให้ระบบห้องสมุด"), this);
    auto* outRow = new QHBoxLayout(out);
    auto* iso = new QPushButton(QStringLiteral("บันทึกเป็น MARC 21 (ISO 2709)..."), out);
    iso->setObjectName(QStringLiteral("exportIsoButton"));
    auto* xml = new QPushButton(QStringLiteral("บันทึกเป็น MARCXML..."), out);
    xml->setObjectName(QStringLiteral("exportXmlButton"));
    articlesBox_ = new QCheckBox(QStringLiteral("รวมบทความที่ทำดัชนีไว้"), out);
    articlesBox_->setObjectName(QStringLiteral("articlesBox"));
    outRow->addWidget(articlesBox_);
    outRow->addWidget(iso);
    outRow->addWidget(xml);
    outRow->addStretch();
    layout->addWidget(out);

    auto* in = new QGroupBox(QStringLiteral("รับวารสารจากระเบียน MARC 21 ของระบบห้องสมุด"), this);
    auto* inColumn = new QVBoxLayout(in);
    auto* choose = new QPushButton(QStringLiteral("เลือกแฟ้มระเบียน..."), in);
    choose->setObjectName(QStringLiteral("chooseImportButton"));
    inColumn->addWidget(choose, 0, Qt::AlignLeft);
    inColumn->addWidget(new QLabel(QStringLiteral("สิ่งที่จะทำ (ยังไม่บันทึกจนกว่าจะกดปุ่มเพิ่ม)"), in));
    planList_ = new QListWidget(in);
    planList_->setObjectName(QStringLiteral("importPlanList"));
    inColumn->addWidget(planList_);
    importButton_ = new QPushButton(QStringLiteral("เพิ่มวารสารตามรายการนี้"), in);
    importButton_->setObjectName(QStringLiteral("importButton"));
    inColumn->addWidget(importButton_, 0, Qt::AlignLeft);
    layout->addWidget(in, 1);

    auto* close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(720, 520);

    connect(iso, &QPushButton::clicked, this, [this] { exportAs(MarcFormat::Iso2709); });
    connect(xml, &QPushButton::clicked, this, [this] { exportAs(MarcFormat::MarcXml); });
    connect(choose, &QPushButton::clicked, this, [this] { chooseImport(); });
    connect(importButton_, &QPushButton::clicked, this, [this] { logic_->importPlanned(); });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    logic_->onChange = [this] { refresh(); };
    refresh();
    useWindowKeys();
}

MarcExchangeView::~MarcExchangeView() = default;

void MarcExchangeView::exportAs(MarcFormat format) {
    const bool xml = format == MarcFormat::MarcXml;
    const QString suffix = xml ? QStringLiteral("xml") : QStringLiteral("mrc");
    const auto path = ui::qt::askSaveFile(
        this, MarcExchangeWindow::caption(), QStringLiteral("periodicals-marc.") + suffix,
        xml ? QStringLiteral("แฟ้ม MARCXML") : QStringLiteral("แฟ้ม MARC 21"), suffix);
    if (path)
        logic_->exportTo(*path, format, articlesBox_->isChecked());
}

void MarcExchangeView::chooseImport() {
    if (const auto file = ui::qt::askOpenFile(this, QStringLiteral("เลือกแฟ้มระเบียน MARC 21"),
                                              QStringLiteral("แฟ้ม MARC"),
                                              QStringLiteral("*.mrc *.marc *.iso *.xml")))
        logic_->readImport(*file);
}

void MarcExchangeView::refresh() {
    planList_->clear();
    planList_->addItems(logic_->planLines());
    importButton_->setEnabled(logic_->canImport());
}

}  // namespace exchange
