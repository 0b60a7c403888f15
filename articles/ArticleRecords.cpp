#include "articles/ArticleRecords.h"

#include "articles/AuthorRecords.h"
#include "articles/HeadingRecords.h"
#include "articles/RuleError.h"
#include "data/ArticleSchema.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/LeadingNumber.h"

namespace articles {

namespace {

const char* const kColumns =
    "SELECT article_id, magno, title, other_title, pages, first_page, language_code, keywords,"
    " notes, abstract, indexed_on FROM article";

Article fromRow(const data::Row& r) {
    namespace c = data::article;
    Article a;
    a.id = r.value(c::article_id).toLongLong();
    a.magno = r.text(c::magno);
    a.title = r.text(c::title);
    a.otherTitle = r.text(c::other_title);
    a.pages = r.text(c::pages);
    a.language = r.text(c::language_code);
    a.keywords = r.text(c::keywords);
    a.notes = r.text(c::notes);
    a.abstract = r.text(c::abstract);
    a.indexedOn = QDate::fromString(r.text(c::indexed_on), Qt::ISODate);
    return a;
}

}  // namespace

QString ArticleRecords::problem(const Article& a) {
    if (a.magno.trimmed().isEmpty())
        return QStringLiteral("กรุณาเลือกฉบับของวารสารที่ลงทะเบียนแล้ว");
    if (a.title.trimmed().isEmpty())
        return QStringLiteral("กรุณาพิมพ์ชื่อบทความ");
    bool heading = false;
    for (const QString& h : a.headings)
        heading = heading || !h.trimmed().isEmpty();
    if (!heading)
        return QStringLiteral("กรุณาใส่หัวเรื่องอย่างน้อยหนึ่งหัวเรื่อง");
    for (const AuthorName& n : a.authors) {
        const QString p = AuthorRecords::nameProblem(n.name, n.corporate);
        if (!p.isEmpty())
            return p + QStringLiteral(" (") + n.name.trimmed() + u')';
    }
    return {};
}

qint64 ArticleRecords::save(const Article& a, const QDate& today) {
    const QString why = problem(a);
    if (!why.isEmpty())
        throw RuleError(why);
    data::Transaction tx(db_);
    if (!issue(a.magno))
        throw RuleError(QStringLiteral("ไม่พบฉบับทะเบียนเลขที่ %1 อาจถูกลบไปแล้ว").arg(a.magno.trimmed()));
    qint64 id = a.id;
    QString indexed = today.toString(Qt::ISODate);
    if (id != 0) {
        const auto row = db_.first("SELECT indexed_on FROM article WHERE article_id = ?", {id});
        if (!row)
            throw RuleError(QStringLiteral("ไม่พบบทความนี้ อาจถูกลบไปแล้ว"));
        indexed = row->text(0);
        db_.exec("DELETE FROM article WHERE article_id = ?", {id});
    } else {
        id = db_.first("SELECT coalesce(max(article_id), 0) + 1 FROM article")
                 ->value(0)
                 .toLongLong();
    }
    db_.exec(
        "INSERT INTO article (article_id, magno, title, other_title, pages, first_page,"
        " language_code, keywords, notes, abstract, indexed_on)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {id, a.magno.trimmed(), a.title.trimmed(), a.otherTitle.trimmed(), a.pages.trimmed(),
         data::leadingNumber(a.pages), a.language.trimmed(), a.keywords.trimmed(),
         a.notes.trimmed(), a.abstract.trimmed(), indexed});
    db_.exec("DELETE FROM article_author WHERE article_id = ?", {id});
    db_.exec("DELETE FROM article_heading WHERE article_id = ?", {id});
    AuthorRecords authors(db_);
    int place = 0;
    for (const AuthorName& n : a.authors) {
        if (n.name.trimmed().isEmpty())
            continue;
        const qint64 author = authors.findOrAdd(n.name, n.corporate);
        // The same name twice keeps its first place.
        if (!db_.first("SELECT 1 FROM article_author WHERE article_id = ? AND author_id = ?",
                       {id, author}))
            db_.exec(
                "INSERT INTO article_author (article_id, position, author_id) VALUES (?, ?, ?)",
                {id, ++place, author});
    }
    db_.exec(data::refreshLeadNames("article_id = ?").constData(), {id});
    HeadingRecords headings(db_);
    place = 0;
    for (const QString& h : a.headings) {
        if (h.trimmed().isEmpty())
            continue;
        const qint64 heading = headings.findOrAdd(h);
        if (!db_.first("SELECT 1 FROM article_heading WHERE article_id = ? AND heading_id = ?",
                       {id, heading}))
            db_.exec(
                "INSERT INTO article_heading (article_id, position, heading_id) VALUES (?, ?, ?)",
                {id, ++place, heading});
    }
    tx.commit();
    return id;
}

void ArticleRecords::fill(Article& a) const {
    for (const data::Row& r :
         db_.query("SELECT a.author_name, a.corporate FROM article_author u JOIN author a"
                   " ON a.author_id = u.author_id WHERE u.article_id = ? ORDER BY u.position",
                   {a.id}))
        a.authors.push_back({r.text(0), r.value(1).toInt() != 0});
    for (const data::Row& r :
         db_.query("SELECT h.heading_text, h.thai_heading FROM article_heading u JOIN heading h"
                   " ON h.heading_id = u.heading_id WHERE u.article_id = ? ORDER BY u.position",
                   {a.id}))
        a.headings << (r.text(1).isEmpty() ? r.text(0) : r.text(1));
}

std::optional<Article> ArticleRecords::load(qint64 id) const {
    const auto row = db_.first((QByteArray(kColumns) + " WHERE article_id = ?").constData(), {id});
    if (!row)
        return std::nullopt;
    Article a = fromRow(*row);
    fill(a);
    return a;
}

std::vector<Article> ArticleRecords::ofIssue(const QString& magno) const {
    std::vector<Article> found;
    for (const data::Row& r :
         db_.query((QByteArray(kColumns) + " WHERE magno = ? ORDER BY first_page, article_id")
                       .constData(),
                   {magno.trimmed()})) {
        found.push_back(fromRow(r));
        fill(found.back());
    }
    return found;
}

std::vector<Article> ArticleRecords::all() const {
    std::vector<Article> found;
    for (const data::Row& r :
         db_.query((QByteArray(kColumns) + " ORDER BY article_id").constData())) {
        found.push_back(fromRow(r));
        fill(found.back());
    }
    return found;
}

int ArticleRecords::countOfIssue(const QString& magno) const {
    return db_.first("SELECT count(*) FROM article WHERE magno = ?", {magno.trimmed()})
        ->value(0)
        .toInt();
}

void ArticleRecords::remove(qint64 id) {
    data::Transaction tx(db_);
    for (const char* sql : {"DELETE FROM article_author WHERE article_id = ?",
                            "DELETE FROM article_heading WHERE article_id = ?",
                            "DELETE FROM index_card WHERE article_id = ?",
                            "DELETE FROM article WHERE article_id = ?"})
        db_.exec(sql, {id});
    tx.commit();
}

std::optional<IssueOf> ArticleRecords::issue(const QString& magno) const {
    const auto row = db_.first(
        "SELECT trim(t.magno), trim(t.pointer), v.vorlen_name, t.yearno, t.issueno, t.daily"
        " FROM tranfile t LEFT JOIN vorlen1 v ON trim(v.pointer) = trim(t.pointer)"
        " WHERE trim(t.magno) = ? ORDER BY t.rowid",
        {magno.trimmed()});
    if (!row)
        return std::nullopt;
    return IssueOf{row->text(0), row->text(1), row->text(2).trimmed(),
                   row->text(3), row->text(4), row->text(5)};
}

CitationParts ArticleRecords::citationParts(const Article& a) const {
    CitationParts p;
    for (const AuthorName& n : a.authors)
        p.authors << n.name;
    p.title = a.title;
    p.pages = a.pages;
    if (const auto i = issue(a.magno)) {
        p.journal = i->journal;
        p.volume = i->volume;
        p.issue = i->issue;
        if (const auto d = data::dateNumbers(i->daily.trimmed())) {
            p.month = d->month;
            p.year = d->year;
        }
    }
    return p;
}

}  // namespace articles
