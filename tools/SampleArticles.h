#pragma once

#include <QRandomGenerator>

namespace data {
class Database;
}

// Indexed articles of the generated issues (magno 1 to `issues`), each with
// one to four authors from a pool of Thai and foreign names, corporate ones
// among them, one to three subject headings, keywords and an abstract.
void sampleArticles(data::Database& db, QRandomGenerator& random, int count, int issues);
