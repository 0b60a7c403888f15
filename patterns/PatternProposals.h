#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "patterns/PatternRecords.h"

namespace patterns {

struct ProposedPattern {
    TitleFacts title;
    PublicationPattern pattern;
    QString basis;  // what the frequency was taken from, in Thai
};

// A pattern for a title of an imported collection, from its own data: the
// frequency code (or, without one, the usual spacing of its registered
// issues), its issues per volume, and the latest registered issue with a date
// and numbers as the known one; whether numbers restart is read from how they
// went on at a change of volume. None when nothing anchors a schedule.
std::optional<ProposedPattern> proposePattern(const TitleFacts& title,
                                              std::vector<DatedIssue> issues);

// The proposals for every title that has no pattern yet.
std::vector<ProposedPattern> proposePatterns(const PatternRecords& records);

}  // namespace patterns
