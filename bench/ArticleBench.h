#pragma once

#include <QtGlobal>

namespace ui {
struct Services;
}

// The article search through its real window: a word of an article's title
// and part of one of its authors' names typed, Enter in the author field,
// the list painted. A different article's pair for every repeat.
struct ArticleTiming {
    double ms = 0;  // the median
    qint64 articles = 0;
};
ArticleTiming timeArticleSearch(ui::Services& services, int repeats);
