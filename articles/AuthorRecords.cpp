#include "articles/AuthorRecords.h"

#include <QRegularExpression>

#include "articles/RuleError.h"
#include "articles/ThaiOrder.h"
#include "data/ArticleSchema.h"
#include "data/Database.h"
#include "data/LikePattern.h"
#include "data/NameIndex.h"

namespace articles {

namespace {

bool hasThai(const QString& text) {
    static const QRegularExpression thai(QStringLiteral("[\\x{0E00}-\\x{0E7F}]"));
    return thai.match(text).hasMatch();
}

}  // namespace

QString AuthorRecords::tidy(const QString& name) {
    QString t = name.simplified();
    static const QRegularExpression comma(QStringLiteral("\\s*,\\s*"));
    t.replace(comma, QStringLiteral(", "));
    return t;
}

QString AuthorRecords::nameProblem(const QString& name, bool corporate) {
    const QString t = tidy(name);
    if (t.isEmpty() || t == u',')
        return QStringLiteral("กรุณาพิมพ์ชื่อผู้แต่ง");
    if (t.size() > 200)
        return QStringLiteral("ชื่อผู้แต่งยาวเกิน 200 ตัวอักษร");
    if (corporate || hasThai(t))
        return {};
    const qsizetype at = t.indexOf(u',');
    if (at <= 0 || at == t.size() - 1 || t.count(u',') != 1)
        return QStringLiteral("ชื่อผู้แต่งชาวต่างประเทศให้พิมพ์เป็น \"นามสกุล, ชื่อ\"");
    return {};
}

std::vector<Author> AuthorRecords::find(const QString& part) const {
    const QString text = part.simplified();
    const QByteArray select =
        "SELECT a.author_id, a.author_name, a.corporate, (SELECT count(*) FROM article_author u"
        " WHERE u.author_id = a.author_id) FROM author a";
    std::vector<data::Row> rows;
    if (text.isEmpty())
        rows = db_.query(select.constData());
    else if (data::trigramSearchable(db_, text))
        rows = db_.query(select +
                             " WHERE a.author_id IN (SELECT rowid FROM author_names WHERE"
                             " author_names MATCH ?) AND a.author_name LIKE ? ESCAPE '\\'",
                         {QStringLiteral("author_name : ") + data::trigramQuery(text),
                          data::containsPattern(text)});
    else
        rows = db_.query(select + " WHERE a.author_name LIKE ? ESCAPE '\\'",
                         {data::containsPattern(text)});
    std::vector<Author> found;
    found.reserve(rows.size());
    for (const data::Row& r : rows)
        found.push_back(
            {r.value(0).toLongLong(), r.text(1), r.value(2).toInt() != 0, r.value(3).toInt()});
    sortThai<Author>(found, [](const Author& a) { return a.name; });
    return found;
}

std::optional<qint64> AuthorRecords::idOf(const QString& name) const {
    const auto row = db_.first(
        "SELECT author_id FROM author WHERE lower(author_name) = lower(?) ORDER BY author_id",
        {tidy(name)});
    if (!row)
        return std::nullopt;
    return row->value(0).toLongLong();
}

int AuthorRecords::useCount(qint64 id) const {
    return db_.first("SELECT count(*) FROM article_author WHERE author_id = ?", {id})
        ->value(0)
        .toInt();
}

qint64 AuthorRecords::findOrAdd(const QString& name, bool corporate) {
    const QString problem = nameProblem(name, corporate);
    if (!problem.isEmpty())
        throw RuleError(problem);
    if (const auto id = idOf(name))
        return *id;
    const qint64 id =
        db_.first("SELECT coalesce(max(author_id), 0) + 1 FROM author")->value(0).toLongLong();
    db_.exec("INSERT INTO author (author_id, author_name, corporate) VALUES (?, ?, ?)",
             {id, tidy(name), corporate ? 1 : 0});
    return id;
}

void AuthorRecords::rename(qint64 id, const QString& name, bool corporate) {
    const QString problem = nameProblem(name, corporate);
    if (!problem.isEmpty())
        throw RuleError(problem);
    data::Transaction tx(db_);
    const auto same = idOf(name);
    if (same && *same != id)
        throw RuleError(QStringLiteral("มีชื่อผู้แต่ง \"%1\" อยู่แล้ว ให้ใช้การรวมชื่อแทน").arg(tidy(name)));
    if (db_.exec("UPDATE author SET author_name = ?, corporate = ? WHERE author_id = ?",
                 {tidy(name), corporate ? 1 : 0, id}) == 0)
        throw RuleError(QStringLiteral("ไม่พบชื่อผู้แต่งนี้ อาจถูกลบไปแล้ว"));
    refreshLeads(id);
    tx.commit();
}

void AuthorRecords::merge(qint64 kept, qint64 gone) {
    if (kept == gone)
        throw RuleError(QStringLiteral("กรุณาเลือกชื่อผู้แต่งสองชื่อที่ต่างกัน"));
    data::Transaction tx(db_);
    const int both =
        db_.first("SELECT count(*) FROM author WHERE author_id IN (?, ?)", {kept, gone})
            ->value(0)
            .toInt();
    if (both != 2)
        throw RuleError(QStringLiteral("ไม่พบชื่อผู้แต่งที่จะรวม อาจถูกลบหรือรวมไปแล้ว"));
    // An article that names both keeps the place of the kept name.
    db_.exec(
        "DELETE FROM article_author WHERE author_id = ? AND article_id IN"
        " (SELECT article_id FROM article_author WHERE author_id = ?)",
        {gone, kept});
    db_.exec("UPDATE article_author SET author_id = ? WHERE author_id = ?", {kept, gone});
    db_.exec("DELETE FROM author WHERE author_id = ?", {gone});
    refreshLeads(kept);
    tx.commit();
}

// The citations of the author's articles may begin with the name.
void AuthorRecords::refreshLeads(qint64 id) {
    db_.exec(data::refreshLeadNames(
                 "article_id IN (SELECT article_id FROM article_author WHERE author_id = ?)")
                 .constData(),
             {id});
}

void AuthorRecords::remove(qint64 id) {
    data::Transaction tx(db_);
    const int used = useCount(id);
    if (used > 0)
        throw RuleError(QStringLiteral("ลบไม่ได้ ชื่อผู้แต่งนี้ยังใช้อยู่ในบทความ %1 รายการ").arg(used));
    db_.exec("DELETE FROM author WHERE author_id = ?", {id});
    tx.commit();
}

}  // namespace articles
