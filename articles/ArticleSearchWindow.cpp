#include "articles/ArticleSearchWindow.h"

#include "articles/ArticleRecords.h"
#include "articles/ArticleSearchSource.h"
#include "articles/HeadingRecords.h"
#include "articles/RuleError.h"
#include "data/Database.h"

namespace articles {

namespace {

const QString kCaption = QStringLiteral("สืบค้นบทความ");

// A year typed, 0 for none; nullopt when it is not a year.
std::optional<int> yearOf(const QString& text) {
    if (text.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const int year = text.trimmed().toInt(&ok);
    if (!ok || year < 1900 || year > 2200)
        return std::nullopt;
    return year;
}

}  // namespace

ArticleSearchWindow::ArticleSearchWindow(ui::Services& services)
    : Form(kCaption, services.messages), services_(services) {
    fromYearText.setMaxLength(4);
    toYearText.setMaxLength(4);
    resultList.setTextMatrix(0, 0, QStringLiteral("บรรณานุกรม"));
    resultList.setTextMatrix(0, 1, QStringLiteral("เลขทะเบียน"));
    resultList.setColWidth(0, 10200);
    resultList.setColWidth(1, 1200);
    openArticleButton.setEnabled(false);
    openIssueButton.setEnabled(false);

    // Enter in any field finds, as the button does.
    for (ui::TextBox* box : {&wordsText, &authorText, &journalText, &fromYearText, &toYearText})
        box->onKeyPress = [this](int& keyAscii) {
            if (keyAscii == ui::key::kEnter) {
                keyAscii = 0;
                findButton_Click();
            }
        };
    findButton.onClick = [this] { findButton_Click(); };
    resultList.onDoubleClick = [this] { openArticleButton_Click(); };
    resultList.guard = [this](const std::function<void()>& step) { return attempt(step); };
    resultList.onCount = [this](int total) {
        if (resultList.rows() > 1)
            showSummary(total);
    };
    openArticleButton.onClick = [this] { openArticleButton_Click(); };
    openIssueButton.onClick = [this] { openIssueButton_Click(); };
    closeButton.onClick = [this] { unload(); };
    onEscape = [this] { unload(); };
}

ArticleSearchWindow::~ArticleSearchWindow() = default;

bool ArticleSearchWindow::attempt(const std::function<void()>& step) {
    try {
        return guarded(step);
    } catch (const RuleError& e) {
        messages().show(e.thai(), kCaption, ui::msg::kStop);
        return false;
    }
}

bool ArticleSearchWindow::Form_Load() {
    return attempt([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        std::vector<ui::PickRow> rows{{QStringLiteral("0"), QString()}};
        for (const Heading& h : HeadingRecords(*db_).all())
            rows.push_back({QString::number(h.id), h.shown()});
        headingPick.setRows(std::move(rows));
        setFocus(wordsText);
    });
}

void ArticleSearchWindow::findButton_Click() {
    ArticleQuery q;
    q.words = wordsText.text().simplified();
    q.author = authorText.text().simplified();
    q.heading = headingPick.boundText().toLongLong();
    q.journalName = journalText.text().simplified();
    const auto from = yearOf(fromYearText.text()), to = yearOf(toYearText.text());
    if (!from || !to || (*from && *to && *from > *to)) {
        messages().show(QStringLiteral("กรุณาพิมพ์ปี ค.ศ. เป็นตัวเลข 4 หลัก และปีแรกไม่หลังปีสุดท้าย"), kCaption,
                        ui::msg::kStop);
        setFocus(from ? toYearText : fromYearText);
        return;
    }
    q.fromYear = *from;
    q.toYear = *to;
    if (q.empty()) {
        messages().show(QStringLiteral("กรุณาพิมพ์คำ ผู้แต่ง ชื่อวารสาร ปี หรือเลือกหัวเรื่องที่ต้องการค้นหา"),
                        kCaption, ui::msg::kStop);
        setFocus(wordsText);
        return;
    }
    std::shared_ptr<ArticleSearchSource> found;
    if (!attempt([&] { found = ArticleSearch(*db_).find(q); }) || !resultList.setSource(found))
        return;
    const bool any = resultList.rows() > 1;
    if (any)
        showSummary(resultList.counted() ? resultList.total() : -1);
    else
        countLabel.setCaption(QStringLiteral("ไม่พบบทความที่ค้นหา"));
    openArticleButton.setEnabled(any);
    openIssueButton.setEnabled(any);
    if (any)
        setFocus(resultList);
}

void ArticleSearchWindow::showSummary(int total) {
    // Until a long list is counted, the rows read so far are the least found.
    countLabel.setCaption(total >= 0
                              ? QStringLiteral("พบ %1 รายการ").arg(total)
                              : QStringLiteral("พบ %1 รายการขึ้นไป").arg(resultList.rows() - 1));
}

std::optional<std::pair<QString, qint64>> ArticleSearchWindow::current() {
    const int r = resultList.row();
    const QString key = resultList.keyCell(r, found::articleId);
    if (r < 1 || key.isEmpty()) {
        messages().show(QStringLiteral("กรุณาเลือกบทความจากรายการ"), kCaption, ui::msg::kStop);
        return std::nullopt;
    }
    return std::pair{resultList.textMatrix(r, found::magno), key.toLongLong()};
}

void ArticleSearchWindow::openArticleButton_Click() {
    if (const auto f = current(); f && onOpenArticle)
        onOpenArticle(f->first, f->second);
}

void ArticleSearchWindow::openIssueButton_Click() {
    const auto f = current();
    if (!f)
        return;
    std::optional<IssueOf> issue;
    if (!attempt([&] { issue = ArticleRecords(*db_).issue(f->first); }))
        return;
    if (!issue) {
        messages().show(QStringLiteral("ไม่พบฉบับทะเบียนเลขที่ %1").arg(f->first), kCaption,
                        ui::msg::kStop);
        return;
    }
    services_.opener.openTitle(QStringLiteral("reg_journal"), issue->pointer);
}

}  // namespace articles
