#include "format/ImportWindowView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/qt/OpenFileDialog.h"

namespace format {

ImportWindowView::ImportWindowView(ui::Services& services, QWidget* parent)
    : FormView(parent),
      logic_(std::make_unique<ImportWindow>(services)),
      chooseButton_(new QPushButton(QStringLiteral("เลือกแฟ้ม..."), this)),
      fileLabel_(new QLabel(QStringLiteral("ยังไม่ได้เลือกแฟ้ม Vorlen.mdb ของโปรแกรมเดิม"), this)),
      summaryText_(new QPlainTextEdit(this)),
      doubtfulList_(new QTableWidget(0, 6, this)),
      progressBar_(new QProgressBar(this)),
      importButton_(new QPushButton(QStringLiteral("นำเข้า"), this)),
      cancelButton_(new QPushButton(QStringLiteral("ยกเลิก"), this)) {
    setWindowTitle(ImportWindow::caption());
    chooseButton_->setObjectName(QStringLiteral("chooseButton"));
    summaryText_->setObjectName(QStringLiteral("summaryText"));
    doubtfulList_->setObjectName(QStringLiteral("doubtfulList"));
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    importButton_->setObjectName(QStringLiteral("importButton"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    summaryText_->setReadOnly(true);
    doubtfulList_->setHorizontalHeaderLabels({QStringLiteral("ตาราง"), QStringLiteral("แถวที่"),
                                              QStringLiteral("รหัส"), QStringLiteral("คอลัมน์"),
                                              QStringLiteral("ค่า"), QStringLiteral("เหตุผล")});
    doubtfulList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    doubtfulList_->horizontalHeader()->setStretchLastSection(true);
    doubtfulList_->verticalHeader()->hide();

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(chooseButton_);
    fileRow->addWidget(fileLabel_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(importButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel(QStringLiteral("ข้อมูลในแฟ้ม"), this));
    layout->addWidget(summaryText_, 1);
    layout->addWidget(new QLabel(QStringLiteral("แถวที่ควรตรวจ (นำเข้าตามที่เก็บไว้)"), this));
    layout->addWidget(doubtfulList_, 2);
    layout->addWidget(progressBar_);
    layout->addLayout(buttons);
    resize(760, 560);

    connect(chooseButton_, &QPushButton::clicked, this, &ImportWindowView::askFile);
    connect(importButton_, &QPushButton::clicked, this, &ImportWindowView::importFile);
    connect(cancelButton_, &QPushButton::clicked, this, &ImportWindowView::cancel);
    showState();
    useWindowKeys();
}

ImportWindowView::~ImportWindowView() = default;

void ImportWindowView::askFile() {
    if (const auto path =
            ui::qt::askOpenFile(this, QStringLiteral("เลือกแฟ้มของโปรแกรมเดิม"),
                                QStringLiteral("ฐานข้อมูล Access"), QStringLiteral("*.mdb *.MDB")))
        chooseFile(*path);
}

void ImportWindowView::chooseFile(const QString& path) {
    working_ = true;
    showState();
    logic_->chooseFile(path,
                       [this](qint64 done, qint64 total) { return showProgress(done, total); });
    working_ = false;
    stopAsked_ = false;
    showState();
}

void ImportWindowView::importFile() {
    working_ = true;
    showState();
    logic_->importFile([this](qint64 done, qint64 total) { return showProgress(done, total); });
    working_ = false;
    stopAsked_ = false;
    showState();
}

void ImportWindowView::cancel() {
    if (working_)
        stopAsked_ = true;
    else
        closeWindow();
}

bool ImportWindowView::showProgress(qint64 done, qint64 total) {
    progressBar_->setMaximum(int(std::max<qint64>(total, 1)));
    progressBar_->setValue(int(std::min(done, total)));
    QCoreApplication::processEvents();
    return !stopAsked_;
}

void ImportWindowView::closeEvent(QCloseEvent* event) {
    // The window stays until the write has stopped and rolled back.
    if (working_) {
        stopAsked_ = true;
        event->ignore();
        return;
    }
    FormView::closeEvent(event);
}

void ImportWindowView::showState() {
    chooseButton_->setEnabled(!working_ && logic_->stage() != ImportWindow::Stage::Imported);
    importButton_->setEnabled(!working_ && logic_->canImport());
    cancelButton_->setText(working_ || logic_->stage() != ImportWindow::Stage::Imported
                               ? QStringLiteral("ยกเลิก")
                               : QStringLiteral("ปิด"));
    if (working_)
        return;
    fileLabel_->setText(logic_->file().isEmpty() ? fileLabel_->text() : logic_->file());
    summaryText_->setPlainText(logic_->summary());
    const auto& doubts = logic_->report().doubts;
    doubtfulList_->setRowCount(int(doubts.size()));
    for (int r = 0; r < int(doubts.size()); ++r) {
        const DoubtfulRow& d = doubts[std::size_t(r)];
        const QString cells[] = {d.table, d.row ? QString::number(d.row) : QString(),
                                 d.key,   d.column,
                                 d.value, d.reason};
        for (int c = 0; c < 6; ++c)
            doubtfulList_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    progressBar_->setValue(
        logic_->stage() == ImportWindow::Stage::Imported ? progressBar_->maximum() : 0);
}

}  // namespace format
