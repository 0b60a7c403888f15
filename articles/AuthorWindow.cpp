#include "articles/AuthorWindow.h"

#include "articles/RuleError.h"
#include "data/Database.h"

namespace articles {

namespace {

const QString kCaption = QStringLiteral("ชื่อผุ้แต่ง");

}  // namespace

AuthorWindow::AuthorWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    authorList.setTextMatrix(0, 0, QStringLiteral("ชื่อผู้แต่ง"));
    authorList.setTextMatrix(0, 1, QStringLiteral("ประเภท"));
    authorList.setTextMatrix(0, 2, QStringLiteral("บทความ"));
    authorList.setColWidth(0, 4200);
    ui::OptionButton::group({&personOption, &corporateOption});
    personOption.setValue(true);
    nameText.setMaxLength(200);
    findButton.onClick = [this] { findButton_Click(); };
    searchText.onKeyPress = [this](int& key) {
        if (key == ui::key::kEnter) {
            key = 0;
            findButton_Click();
        }
    };
    authorList.onClick = [this] { authorList_Click(); };
    authorList.guard = [this](const std::function<void()>& step) { return attempt(step); };
    correctButton.onClick = [this] { correctButton_Click(); };
    keepButton.onClick = [this] { keepButton_Click(); };
    mergeButton.onClick = [this] { mergeButton_Click(); };
    deleteButton.onClick = [this] { deleteButton_Click(); };
    closeButton.onClick = [this] { unload(); };
    onEscape = [this] { unload(); };
    mergeButton.setEnabled(false);
}

AuthorWindow::~AuthorWindow() = default;

bool AuthorWindow::attempt(const std::function<void()>& step) {
    try {
        return guarded(step);
    } catch (const RuleError& e) {
        messages().show(e.thai(), kCaption, ui::msg::kStop);
        return false;
    }
}

bool AuthorWindow::Form_Load() {
    return attempt([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        refresh(0);
        setFocus(searchText);
    });
}

void AuthorWindow::refresh(qint64 select) {
    auto list = std::make_shared<AuthorSource>(*db_, searchText.text());
    if (list_)
        list->setOrder(list_->order());
    if (!authorList.setSource(list))
        return;
    list_ = std::move(list);
    int place = -1;
    if (select != 0 && attempt([&] { place = list_->placeOf(select); }) && place >= 0) {
        while (authorList.rows() <= place + 1 && authorList.canFetchMore())
            authorList.fetchMore();
        authorList.setRow(place + 1);
    }
    authorList_Click();
}

void AuthorWindow::findButton_Click() {
    refresh(0);
}

std::optional<Author> AuthorWindow::current() const {
    const int r = authorList.row();
    const QString id = authorList.keyCell(r, authorColumn::id);
    if (id.isEmpty())
        return std::nullopt;
    return Author{id.toLongLong(), authorList.textMatrix(r, authorColumn::name),
                  authorList.textMatrix(r, authorColumn::kind) == AuthorSource::kCorporate,
                  authorList.textMatrix(r, authorColumn::articles).toInt()};
}

void AuthorWindow::authorList_Click() {
    const std::optional<Author> a = current();
    nameText.setText(a ? a->name : QString());
    (a && a->corporate ? corporateOption : personOption).setValue(true);
    for (ui::CommandButton* b : {&correctButton, &keepButton, &deleteButton})
        b->setEnabled(a.has_value());
    mergeButton.setEnabled(a && kept_ && kept_->id != a->id);
}

void AuthorWindow::correctButton_Click() {
    const std::optional<Author> a = current();
    if (!a)
        return;
    const qint64 id = a->id;
    if (attempt([&] { AuthorRecords(*db_).rename(id, nameText.text(), corporateOption.value()); }))
        refresh(id);
}

void AuthorWindow::keepButton_Click() {
    if (const std::optional<Author> a = current()) {
        kept_ = *a;
        keptLabel.setCaption(QStringLiteral("ชื่อที่ถูกต้อง: ") + a->name);
        authorList_Click();
    }
}

void AuthorWindow::mergeButton_Click() {
    const std::optional<Author> a = current();
    if (!a || !kept_)
        return;
    if (messages().show(QStringLiteral("รวมชื่อ \"%1\" (บทความ %2 รายการ) เข้ากับ \"%3\" ใช่หรือไม่")
                            .arg(a->name, QString::number(a->articles), kept_->name),
                        kCaption, ui::msg::kQuestion) != ui::msg::kOk)
        return;
    const qint64 kept = kept_->id, gone = a->id;
    if (!attempt([&] { AuthorRecords(*db_).merge(kept, gone); }))
        return;
    refresh(kept);
}

void AuthorWindow::deleteButton_Click() {
    const std::optional<Author> a = current();
    if (!a)
        return;
    if (messages().show(QStringLiteral("ต้องการลบชื่อ \"%1\" ใช่หรือไม่").arg(a->name), kCaption,
                        ui::msg::kQuestion) != ui::msg::kOk)
        return;
    const qint64 id = a->id;
    if (!attempt([&] { AuthorRecords(*db_).remove(id); }))
        return;
    if (kept_ && kept_->id == id) {
        kept_.reset();
        keptLabel.setCaption(QString());
    }
    refresh(0);
}

}  // namespace articles
