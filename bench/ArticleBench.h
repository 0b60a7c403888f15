#pragma once

#include <QtGlobal>

#include "bench/SideBySide.h"

namespace ui {
struct Services;
}

// The article search through its real window: a word of an article's title
// and part of one of its authors' names typed, Enter in the author field,
// the list painted. A different article's pair for every repeat.
struct ArticleTiming {
    SideBySide timing;
    qint64 articles = 0;
};
ArticleTiming timeArticleSearch(ui::Services& services, SideBySideTimer& timer, int repeats);
// The same for a word alone that most generated titles hold ("ศึกษา", of
// their topics and frames): the first screen of a result of most articles.
ArticleTiming timeBroadArticleSearch(ui::Services& services, SideBySideTimer& timer, int repeats);
// The same result of most articles, found and counted, sorted by a click on
// the citation's heading: the click to the first screen painted (`articles`
// is the number found).
ArticleTiming timeCitationSort(ui::Services& services, SideBySideTimer& timer, int repeats);
