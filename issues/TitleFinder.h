#pragma once

#include <QString>
#include <QVariantList>
#include <memory>
#include <vector>

#include "issues/TitleMatchSource.h"

namespace data {
class Database;
}

namespace issues {

// One subscription of a title that a search found.
struct TitleMatch {
    QString pointer;
    QString name;
    QString departmentCode;
    QString departmentName;
};

// Finds titles by part of their name, one row per subscribing department.
class TitleFinder {
  public:
    explicit TitleFinder(const data::Database& db) : db_(db) {}

    // Titles whose name contains `text`, a page at a time, for a list of any
    // length; the lists below read the same rows whole.
    std::shared_ptr<TitleMatchSource> matching(const QString& text) const;
    // The subscriptions of titles a cover's barcode names, a page at a time.
    std::shared_ptr<TitleMatchSource> withCover(const QString& issn) const;

    // Titles whose name contains `text` literally (% and _ included); a title
    // without a subscription is not found.
    std::vector<TitleMatch> find(const QString& text) const;
    // The subscriptions of the title with this key.
    std::vector<TitleMatch> byKey(const QString& pointer) const;
    // The subscriptions of titles with this ISSN (eight characters, upper
    // case, no hyphen), however the ISSN was stored.
    std::vector<TitleMatch> byIssn(const QString& issn) const;
    // The subscriptions of titles whose ISSN begins with the first seven
    // digits of `issn`, as a cover's barcode carries them: a title stored
    // with a wrong check character is found by its cover too.
    std::vector<TitleMatch> byCover(const QString& issn) const;

  private:
    // A subscription joins its title by the key as stored or trimmed, through
    // the key's index.
    static constexpr char kSubscriptionJoin[] =
        "vorlen.pointer IN (vorlen1.pointer, trim(vorlen1.pointer))";
    std::shared_ptr<TitleMatchSource> source(const QByteArray& where, const QVariantList& params,
                                             const QByteArray& join = kSubscriptionJoin) const;
    static std::vector<TitleMatch> all(const TitleMatchSource& source);

    const data::Database& db_;
};

}  // namespace issues
