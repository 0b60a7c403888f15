#include "exchange/ExchangeRecords.h"

#include <QRegularExpression>

#include "articles/ArticleRecords.h"
#include "data/Database.h"
#include "holdings/HoldingsStatement.h"

namespace exchange {

std::vector<CatalogueTitle> ExchangeRecords::titles() const {
    std::vector<CatalogueTitle> list;
    // Scalar look-ups, so a code listed twice in a table gives no second row.
    db_.forEach(
        "SELECT v.pointer, v.vorlen_name, v.compare_name, v.old_name, v.shot_name, v.issn,"
        " v.language_code,"
        " (SELECT l.LangDesTh FROM maglang l WHERE trim(l.Language_Code) = trim(v.language_code)"
        "  ORDER BY l.rowid LIMIT 1),"
        " (SELECT m.MagType_Thai_Des FROM magtype m"
        "  WHERE trim(m.MagType_Code) = trim(v.magtype_code) ORDER BY m.rowid LIMIT 1),"
        " (SELECT d.Publisher_Name FROM dealer d"
        "  WHERE trim(d.Publisher_Code) = trim(v.publisher_code) ORDER BY d.rowid LIMIT 1),"
        " v.First_year_printed"
        " FROM vorlen1 v ORDER BY v.pointer, v.rowid",
        {}, [&](data::Row&& r) {
            list.push_back({r.text(0).trimmed(),
                            r.text(1).trimmed(),
                            r.text(2).trimmed(),
                            r.text(3).trimmed(),
                            r.text(4).trimmed(),
                            r.text(5).trimmed(),
                            r.text(6).trimmed(),
                            r.text(7).trimmed(),
                            r.text(8).trimmed(),
                            r.text(9).trimmed(),
                            r.text(10).trimmed(),
                            {}});
        });
    return list;
}

std::vector<CatalogueTitle> ExchangeRecords::titlesWithHoldings(QDate today) const {
    std::vector<CatalogueTitle> list = titles();
    const holdings::HoldingsStatement statement(db_);
    for (CatalogueTitle& t : list) {
        const auto subscriptions = statement.subscriptions(t.key, today);
        for (const holdings::SubscriptionHoldings& s : subscriptions)
            if (s.held)
                t.holdings.push_back(
                    {s.statement, subscriptions.size() > 1 ? s.faculty : QString()});
    }
    return list;
}

std::vector<CatalogueArticle> ExchangeRecords::articles(
    const std::vector<CatalogueTitle>& titles) const {
    articles::ArticleRecords records(db_);
    std::vector<CatalogueArticle> list;
    for (const articles::Article& a : records.all()) {
        CatalogueArticle c;
        c.id = a.id;
        c.title = a.title;
        c.otherTitle = a.otherTitle;
        c.pages = a.pages;
        c.languageCode = a.language;
        c.abstract = a.abstract;
        // Keywords are typed as a list with commas or semicolons between.
        for (const QString& k : a.keywords.split(QRegularExpression(QStringLiteral("[,;]"))))
            if (!k.trimmed().isEmpty())
                c.keywords << k.trimmed();
        for (const articles::AuthorName& n : a.authors)
            c.authors.emplace_back(n.name.trimmed(), n.corporate);
        c.headings = a.headings;
        c.indexedOn = a.indexedOn;
        if (const auto issue = records.issue(a.magno)) {
            c.hostKey = issue->pointer;
            c.hostTitle = issue->journal;
            c.volume = issue->volume.trimmed();
            c.issue = issue->issue.trimmed();
            c.issueDate = issue->daily.trimmed();
            for (const CatalogueTitle& t : titles)
                if (t.key == c.hostKey)
                    c.hostIssn = t.issn;
        }
        list.push_back(std::move(c));
    }
    return list;
}

std::optional<QString> ExchangeRecords::existingTitle(const QString& issn,
                                                      const QString& name) const {
    const auto row = db_.first(
        "SELECT pointer FROM vorlen1"
        " WHERE (? <> '' AND trim(issn) = ?) OR lower(trim(vorlen_name)) = lower(?)"
        " ORDER BY rowid LIMIT 1",
        {issn, issn, name.trimmed()});
    if (!row)
        return std::nullopt;
    return row->text(0);
}

std::optional<QString> ExchangeRecords::languageCode(const QString& thaiName) const {
    const auto row = db_.first(
        "SELECT Language_Code FROM maglang WHERE trim(LangDesTh) = ? ORDER BY rowid LIMIT 1",
        {thaiName});
    if (!row)
        return std::nullopt;
    return row->text(0);
}

std::optional<QString> ExchangeRecords::frequencyCode(const QString& thaiName) const {
    const auto row = db_.first(
        "SELECT MagType_Code FROM magtype WHERE trim(MagType_Thai_Des) = ? ORDER BY rowid LIMIT 1",
        {thaiName});
    if (!row)
        return std::nullopt;
    return row->text(0);
}

}  // namespace exchange
