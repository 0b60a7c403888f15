#pragma once

namespace data {

class Database;

// The rows a new database starts with: the nine code tables, the four key
// series, the registration counter and a few publishers.
void insertFirstRunRows(Database& db);
// The usual days between issues and the grace of the first-run frequency
// codes, for those codes the file has.
void insertFrequencyIntervals(Database& db);

}  // namespace data
