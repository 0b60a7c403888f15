#include "articles/HeadingWindow.h"

#include <QStringList>
#include <algorithm>

#include "articles/RuleError.h"
#include "data/Database.h"

namespace articles {

namespace {

const QString kCaption = QStringLiteral("กำหนดค่า หัวเรื่อง");

}  // namespace

HeadingWindow::HeadingWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    headingList.setTextMatrix(0, 0, QStringLiteral("หัวเรื่อง"));
    headingList.setTextMatrix(0, 1, QStringLiteral("ภาษาไทย"));
    headingList.setTextMatrix(0, 2, QStringLiteral("ดูเพิ่มเติมที่"));
    headingList.setColWidth(0, 3000);
    headingList.setColWidth(1, 3000);
    headingList.setColWidth(2, 3400);
    seeAlsoRows.setTextMatrix(0, 0, QStringLiteral("ดูเพิ่มเติมที่"));
    seeAlsoRows.setColWidth(0, 3600);
    headingText.setMaxLength(255);
    thaiText.setMaxLength(255);
    headingList.onClick = [this] { headingList_Click(); };
    headingList.guard = [this](const std::function<void()>& step) { return attempt(step); };
    addSeeAlsoButton.onClick = [this] { addSeeAlsoButton_Click(); };
    removeSeeAlsoButton.onClick = [this] { removeSeeAlsoButton_Click(); };
    newButton.onClick = [this] { newButton_Click(); };
    saveButton.onClick = [this] { saveButton_Click(); };
    deleteButton.onClick = [this] { deleteButton_Click(); };
    closeButton.onClick = [this] { unload(); };
    onEscape = [this] { unload(); };
}

HeadingWindow::~HeadingWindow() = default;

bool HeadingWindow::attempt(const std::function<void()>& step) {
    try {
        return guarded(step);
    } catch (const RuleError& e) {
        messages().show(e.thai(), kCaption, ui::msg::kStop);
        return false;
    }
}

bool HeadingWindow::Form_Load() {
    return attempt([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        listHeadings(0);
        newButton_Click();
    });
}

QString HeadingWindow::shownOf(qint64 id) const {
    return shown_.value(id);
}

void HeadingWindow::readPicks() {
    std::vector<Heading> all;
    if (!attempt([&] { all = HeadingRecords(*db_).all(); }))
        return;
    shown_.clear();
    std::vector<ui::PickRow> picks;
    for (const Heading& h : all) {
        shown_.insert(h.id, h.shown());
        picks.push_back({QString::number(h.id), h.shown()});
    }
    seeAlsoPick.setRows(std::move(picks));
}

void HeadingWindow::listHeadings(qint64 choose) {
    auto list = std::make_shared<HeadingSource>(*db_);
    if (list_)
        list->setOrder(list_->order());
    if (!headingList.setSource(list))
        return;
    list_ = std::move(list);
    readPicks();
    int place = -1;
    if (choose != 0 && attempt([&] { place = list_->placeOf(choose); }) && place >= 0)
        chooseRow(place + 1);
}

void HeadingWindow::chooseRow(int row) {
    while (headingList.rows() <= row && headingList.canFetchMore())
        headingList.fetchMore();
    headingList.setRow(row);
}

void HeadingWindow::headingList_Click() {
    const qint64 id = headingList.keyCell(headingList.row(), headingColumn::id).toLongLong();
    std::optional<Heading> h;
    if (id != 0 && attempt([&] { h = HeadingRecords(*db_).byId(id); }) && h)
        showHeading(*h);
}

void HeadingWindow::showHeading(const Heading& h) {
    editing_ = h.id;
    headingText.setText(h.heading);
    thaiText.setText(h.thai);
    seeAlso_ = h.seeAlso;
    showSeeAlso();
    deleteButton.setEnabled(h.id != 0);
}

void HeadingWindow::showSeeAlso() {
    std::vector<QStringList> rows;
    for (qint64 id : seeAlso_)
        rows.push_back({shownOf(id)});
    seeAlsoRows.setDataRows(std::move(rows));
}

void HeadingWindow::addSeeAlsoButton_Click() {
    const qint64 id = seeAlsoPick.boundText().toLongLong();
    if (id == 0) {
        messages().show(QStringLiteral("กรุณาเลือกหัวเรื่องที่จะให้ดูเพิ่มเติม"), kCaption, ui::msg::kStop);
        return;
    }
    if (id == editing_) {
        messages().show(QStringLiteral("หัวเรื่องอ้างถึงตัวเองไม่ได้"), kCaption, ui::msg::kStop);
        return;
    }
    if (std::find(seeAlso_.begin(), seeAlso_.end(), id) == seeAlso_.end())
        seeAlso_.push_back(id);
    showSeeAlso();
}

void HeadingWindow::removeSeeAlsoButton_Click() {
    const int r = seeAlsoRows.row() - 1;
    if (r < 0 || r >= int(seeAlso_.size()))
        return;
    seeAlso_.erase(seeAlso_.begin() + r);
    showSeeAlso();
}

void HeadingWindow::newButton_Click() {
    showHeading(Heading{});
    setFocus(headingText);
}

void HeadingWindow::saveButton_Click() {
    if (headingText.text().simplified().isEmpty()) {
        messages().show(QStringLiteral("กรุณาพิมพ์หัวเรื่อง"), kCaption, ui::msg::kStop);
        setFocus(headingText);
        return;
    }
    const Heading h{editing_, headingText.text(), thaiText.text(), seeAlso_};
    qint64 id = 0;
    int from = -1;
    if (!attempt([&] {
            from = editing_ ? list_->placeOf(editing_) : -1;
            id = HeadingRecords(*db_).save(h);
        }))
        return;
    placeSaved(id, from, editing_ != 0);
    headingList_Click();
    messages().show(QStringLiteral("บันทึกหัวเรื่องเรียบร้อยแล้ว"), kCaption, ui::msg::kInformation);
}

void HeadingWindow::deleteButton_Click() {
    if (editing_ == 0)
        return;
    if (messages().show(QStringLiteral("ต้องการลบหัวเรื่อง \"%1\" ใช่หรือไม่").arg(shownOf(editing_)),
                        kCaption, ui::msg::kQuestion) != ui::msg::kOk)
        return;
    int from = -1;
    bool named = false;
    if (!attempt([&] {
            from = list_->placeOf(editing_);
            named = HeadingRecords(*db_).named(editing_);
            HeadingRecords(*db_).remove(editing_);
        }))
        return;
    if (named) {
        listHeadings(0);
    } else {
        headingList.moveRow(from + 1, -1, {});
        readPicks();
    }
    newButton_Click();
}

void HeadingWindow::placeSaved(qint64 id, int from, bool corrected) {
    bool named = false;
    int to = -1;
    QStringList cells;
    if (!attempt([&] {
            named = corrected && HeadingRecords(*db_).named(id);
            to = list_->placeOf(id);
            cells = list_->cellsOf(id);
        }) ||
        named || to < 0) {
        listHeadings(id);
        return;
    }
    headingList.moveRow(from < 0 ? -1 : from + 1, to + 1, cells);
    readPicks();
    chooseRow(to + 1);
}

}  // namespace articles
