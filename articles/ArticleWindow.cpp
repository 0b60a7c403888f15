#include "articles/ArticleWindow.h"

#include "articles/AuthorRecords.h"
#include "articles/HeadingRecords.h"
#include "articles/RuleError.h"
#include "catalogue/CodeTables.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "issues/IssueRegister.h"
#include "issues/TitleFinder.h"

namespace articles {

namespace {

const QString kCaption = QStringLiteral("การใส่บทความ");

void headings(ui::Grid& grid, const QStringList& texts) {
    grid.setRows(int(texts.size()) + 1);
    for (int r = 0; r < texts.size(); ++r)
        grid.setTextMatrix(r + 1, 0, texts[r]);
}

}  // namespace

ArticleWindow::ArticleWindow(ui::Services& services, int firstTab)
    : Form(kCaption, services.messages), services_(services) {
    const QStringList titleCols{QStringLiteral("ชื่อวารสาร"), QStringLiteral("หน่วยงาน")};
    const QStringList issueCols{QStringLiteral("เลขทะเบียน"), QStringLiteral("ประจำเดือน"),
                                QStringLiteral("ปีที่"), QStringLiteral("ฉบับที่")};
    const QStringList articleCols{QStringLiteral("หน้า"), QStringLiteral("ชื่อบทความ"),
                                  QStringLiteral("ผู้แต่ง")};
    for (int c = 0; c < 2; ++c)
        titleList.setTextMatrix(0, c, titleCols[c]);
    for (int c = 0; c < 4; ++c)
        issueList.setTextMatrix(0, c, issueCols[c]);
    for (int c = 0; c < 3; ++c)
        articleList.setTextMatrix(0, c, articleCols[c]);
    authorRows.setTextMatrix(0, 0, QStringLiteral("ผู้แต่ง (ตามลำดับ)"));
    authorRows.setTextMatrix(0, 1, QStringLiteral("ประเภท"));
    headingRows.setTextMatrix(0, 0, QStringLiteral("หัวเรื่อง"));
    const std::pair<ui::Grid*, std::vector<int>> widths[] = {{&titleList, {3700, 1300}},
                                                             {&issueList, {1200, 1300, 1000, 1000}},
                                                             {&articleList, {800, 2800, 1400}},
                                                             {&authorRows, {2000, 800}},
                                                             {&headingRows, {2800}}};
    for (const auto& [grid, cols] : widths)
        for (std::size_t c = 0; c < cols.size(); ++c)
            grid->setColWidth(int(c), cols[c]);
    ui::OptionButton::group({&personOption, &corporateOption});
    personOption.setValue(true);
    pages.setTab(firstTab);
    articleTitleText.setMaxLength(500);
    otherTitleText.setMaxLength(500);
    pagesText.setMaxLength(30);
    authorText.setMaxLength(200);
    keywordsText.setMaxLength(500);
    notesText.setMaxLength(500);

    findButton.onClick = [this] { findButton_Click(); };
    titleSearchText.onKeyPress = [this](int& key) {
        if (key == ui::key::kEnter) {
            key = 0;
            findButton_Click();
        }
    };
    titleList.onClick = [this] { titleList_Click(); };
    issueList.onClick = [this] { issueList_Click(); };
    articleList.onClick = [this] { articleList_Click(); };
    authorText.onChange = [this] { authorText_Change(); };
    authorText.onKeyPress = [this](int& key) {
        if (key == ui::key::kEnter) {
            key = 0;
            addAuthorButton_Click();
        }
    };
    authorMatches.onClick = [this] { authorMatches_Click(); };
    addAuthorButton.onClick = [this] { addAuthorButton_Click(); };
    removeAuthorButton.onClick = [this] { removeAuthorButton_Click(); };
    addHeadingButton.onClick = [this] { addHeadingButton_Click(); };
    removeHeadingButton.onClick = [this] { removeHeadingButton_Click(); };
    newButton.onClick = [this] { newButton_Click(); };
    saveButton.onClick = [this] { saveButton_Click(); };
    deleteButton.onClick = [this] { deleteButton_Click(); };
    closeButton.onClick = [this] { closeButton_Click(); };
    onEscape = [this] { closeButton_Click(); };
    saveButton.setEnabled(false);
    deleteButton.setEnabled(false);
    newButton.setEnabled(false);
}

ArticleWindow::~ArticleWindow() = default;

bool ArticleWindow::attempt(const std::function<void()>& step) {
    try {
        return guarded(step);
    } catch (const RuleError& e) {
        messages().show(e.thai(), kCaption, ui::msg::kStop);
        return false;
    }
}

bool ArticleWindow::Form_Load() {
    return attempt([this] {
        db_ = std::make_unique<data::Database>(services_.databasePath);
        languagePick.setRows(catalogue::readCodeTable(*db_, catalogue::CodeTable::maglang));
        fillHeadingPick();
        setFocus(titleSearchText);
    });
}

void ArticleWindow::fillHeadingPick() {
    std::vector<ui::PickRow> rows;
    for (const Heading& h : HeadingRecords(*db_).all())
        rows.push_back({QString::number(h.id), h.shown()});
    headingPick.setRows(std::move(rows));
}

void ArticleWindow::findButton_Click() {
    const QString text = titleSearchText.text().trimmed();
    if (text.isEmpty()) {
        messages().show(QStringLiteral("กรุณาพิมพ์ชื่อวารสารที่ต้องการค้นหา"), kCaption, ui::msg::kStop);
        setFocus(titleSearchText);
        return;
    }
    std::vector<issues::TitleMatch> found;
    if (!attempt([&] { found = issues::TitleFinder(*db_).find(text); }))
        return;
    if (found.empty()) {
        messages().show(QStringLiteral("ไม่พบวารสารที่ค้นหา"), kCaption, ui::msg::kInformation);
        return;
    }
    titlePointers_.clear();
    std::vector<QStringList> rows;
    for (const issues::TitleMatch& m : found) {
        titlePointers_.push_back(m.pointer);
        rows.push_back({m.name, m.departmentName});
    }
    titleList.setDataRows(std::move(rows));
    issueList.setRows(1);
    issueNumbers_.clear();
}

void ArticleWindow::titleList_Click() {
    const int r = titleList.row() - 1;
    if (r >= 0 && r < int(titlePointers_.size()))
        listIssues(titlePointers_[std::size_t(r)]);
}

void ArticleWindow::listIssues(const QString& pointer) {
    std::vector<issues::IssueRow> found;
    if (!attempt([&] { found = issues::IssueRegister(*db_).issuesOf(pointer); }))
        return;
    issueNumbers_.clear();
    std::vector<QStringList> rows;
    for (const issues::IssueRow& i : found) {
        issueNumbers_.push_back(i.magno.trimmed());
        rows.push_back(
            {i.magno.trimmed(), data::reformatDate(i.daily.trimmed()), i.yearno, i.issueno});
    }
    issueList.setDataRows(std::move(rows));
}

void ArticleWindow::issueList_Click() {
    const int r = issueList.row() - 1;
    if (r < 0 || r >= int(issueNumbers_.size()))
        return;
    magno_ = issueNumbers_[std::size_t(r)];
    listArticles();
    newButton_Click();
}

void ArticleWindow::showIssue(const QString& magno) {
    std::optional<IssueOf> issue;
    std::vector<issues::TitleMatch> subscriptions;
    if (!attempt([&] {
            issue = ArticleRecords(*db_).issue(magno);
            if (issue)
                subscriptions = issues::TitleFinder(*db_).byKey(issue->pointer);
        }))
        return;
    if (!issue) {
        messages().show(QStringLiteral("ไม่พบฉบับทะเบียนเลขที่ %1").arg(magno.trimmed()), kCaption,
                        ui::msg::kStop);
        return;
    }
    titleSearchText.setText(issue->journal);
    titlePointers_.assign(1, issue->pointer);
    titleList.setDataRows(
        {{issue->journal,
          subscriptions.empty() ? QString() : subscriptions.front().departmentName}});
    listIssues(issue->pointer);
    for (std::size_t r = 0; r < issueNumbers_.size(); ++r)
        if (issueNumbers_[r] == issue->magno)
            issueList.setRow(int(r) + 1);
    magno_ = issue->magno;
    listArticles();
    newButton_Click();
}

void ArticleWindow::chooseArticle(qint64 id) {
    for (std::size_t r = 0; r < articleIds_.size(); ++r)
        if (articleIds_[r] == id) {
            articleList.setRow(int(r) + 1);
            articleList_Click();
        }
}

void ArticleWindow::listArticles() {
    std::vector<Article> found;
    std::optional<IssueOf> issue;
    if (!attempt([&] {
            ArticleRecords records(*db_);
            found = records.ofIssue(magno_);
            issue = records.issue(magno_);
        }))
        return;
    if (issue)
        issueLabel.setCaption(QStringLiteral("%1  ปีที่ %2 ฉบับที่ %3  (เลขทะเบียน %4)")
                                  .arg(issue->journal, issue->volume.trimmed(),
                                       issue->issue.trimmed(), issue->magno));
    articleIds_.clear();
    std::vector<QStringList> rows;
    for (const Article& a : found) {
        articleIds_.push_back(a.id);
        QStringList names;
        for (const AuthorName& n : a.authors)
            names << n.name;
        rows.push_back({a.pages, a.title, names.join(QStringLiteral("; "))});
    }
    articleList.setDataRows(std::move(rows));
    newButton.setEnabled(true);
    saveButton.setEnabled(true);
}

void ArticleWindow::articleList_Click() {
    const int r = articleList.row() - 1;
    if (r < 0 || r >= int(articleIds_.size()))
        return;
    std::optional<Article> a;
    if (!attempt([&] { a = ArticleRecords(*db_).load(articleIds_[std::size_t(r)]); }))
        return;
    if (!a) {
        messages().show(QStringLiteral("ไม่พบบทความนี้ อาจถูกลบไปแล้ว"), kCaption, ui::msg::kStop);
        listArticles();
        return;
    }
    showArticle(*a);
}

void ArticleWindow::showArticle(const Article& a) {
    editing_ = a.id;
    articleTitleText.setText(a.title);
    otherTitleText.setText(a.otherTitle);
    pagesText.setText(a.pages);
    languagePick.setBoundText(a.language);
    keywordsText.setText(a.keywords);
    notesText.setText(a.notes);
    abstractText.setText(a.abstract);
    authors_ = a.authors;
    headings_ = a.headings;
    showAuthors();
    showHeadings();
    authorText.setText(QString());
    deleteButton.setEnabled(a.id != 0);
}

void ArticleWindow::showAuthors() {
    std::vector<QStringList> rows;
    for (const AuthorName& n : authors_)
        rows.push_back({n.name, n.corporate ? corporateOption.caption() : personOption.caption()});
    authorRows.setDataRows(std::move(rows));
}

void ArticleWindow::showHeadings() {
    headings(headingRows, headings_);
}

void ArticleWindow::authorText_Change() {
    const QString part = authorText.text().simplified();
    std::vector<Author> found;
    if (!part.isEmpty() && !attempt([&] { found = AuthorRecords(*db_).find(part); }))
        return;
    std::vector<ui::PickRow> rows;
    rows.reserve(found.size());
    for (const Author& a : found)
        rows.push_back({QString::number(a.id), a.name});
    if (rows.size() > 50)
        rows.resize(50);
    authorMatches.setRows(std::move(rows));
}

void ArticleWindow::authorMatches_Click() {
    const int r = authorMatches.chosenRow();
    if (r >= 0)
        authorText.setText(authorMatches.rows()[std::size_t(r)].description);
}

void ArticleWindow::addAuthorButton_Click() {
    const QString name = AuthorRecords::tidy(authorText.text());
    bool corporate = corporateOption.value();
    // A name picked from the list keeps the kind it was kept as.
    std::vector<Author> known;
    if (!attempt([&] { known = AuthorRecords(*db_).find(name); }))
        return;
    for (const Author& a : known)
        if (a.name.compare(name, Qt::CaseInsensitive) == 0)
            corporate = a.corporate;
    const QString problem = AuthorRecords::nameProblem(name, corporate);
    if (!problem.isEmpty()) {
        messages().show(problem, kCaption, ui::msg::kStop);
        setFocus(authorText);
        return;
    }
    for (const AuthorName& n : authors_)
        if (n.name.compare(name, Qt::CaseInsensitive) == 0)
            return;
    authors_.push_back({name, corporate});
    showAuthors();
    authorText.setText(QString());
    setFocus(authorText);
}

void ArticleWindow::removeAuthorButton_Click() {
    const int r = authorRows.row() - 1;
    if (r < 0 || r >= int(authors_.size()))
        return;
    authors_.erase(authors_.begin() + r);
    showAuthors();
}

void ArticleWindow::addHeadingButton_Click() {
    const QString text = headingPick.text().simplified();
    if (text.isEmpty()) {
        messages().show(QStringLiteral("กรุณาเลือกหรือพิมพ์หัวเรื่อง"), kCaption, ui::msg::kStop);
        return;
    }
    if (!headings_.contains(text))
        headings_ << text;
    showHeadings();
    headingPick.setText(QString());
}

void ArticleWindow::removeHeadingButton_Click() {
    const int r = headingRows.row() - 1;
    if (r < 0 || r >= headings_.size())
        return;
    headings_.removeAt(r);
    showHeadings();
}

void ArticleWindow::newButton_Click() {
    Article blank;
    blank.magno = magno_;
    showArticle(blank);
    setFocus(articleTitleText);
}

Article ArticleWindow::entered() const {
    Article a;
    a.id = editing_;
    a.magno = magno_;
    a.title = articleTitleText.text();
    a.otherTitle = otherTitleText.text();
    a.pages = pagesText.text();
    a.language = languagePick.boundText();
    a.keywords = keywordsText.text();
    a.notes = notesText.text();
    a.abstract = abstractText.text();
    a.authors = authors_;
    a.headings = headings_;
    return a;
}

void ArticleWindow::saveButton_Click() {
    const Article a = entered();
    const QString problem = ArticleRecords::problem(a);
    if (!problem.isEmpty()) {
        messages().show(problem, kCaption, ui::msg::kStop);
        return;
    }
    qint64 id = 0;
    if (!attempt([&] { id = ArticleRecords(*db_).save(a, services_.clock.today()); }))
        return;
    listArticles();
    fillHeadingPick();
    for (std::size_t r = 0; r < articleIds_.size(); ++r)
        if (articleIds_[r] == id)
            articleList.setRow(int(r) + 1);
    editing_ = id;
    deleteButton.setEnabled(true);
    messages().show(QStringLiteral("บันทึกบทความเรียบร้อยแล้ว"), kCaption, ui::msg::kInformation);
}

void ArticleWindow::deleteButton_Click() {
    if (editing_ == 0)
        return;
    if (messages().show(
            QStringLiteral("ต้องการลบบทความ \"%1\" ใช่หรือไม่").arg(articleTitleText.text()), kCaption,
            ui::msg::kQuestion) != ui::msg::kOk)
        return;
    if (!attempt([&] { ArticleRecords(*db_).remove(editing_); }))
        return;
    listArticles();
    newButton_Click();
}

void ArticleWindow::closeButton_Click() {
    unload();
}

}  // namespace articles
