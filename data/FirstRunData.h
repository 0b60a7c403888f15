#pragma once

namespace data {

class Database;

// The rows a new database starts with: the nine code tables, the four key
// series, the registration counter and a few publishers.
void insertFirstRunRows(Database& db);

}  // namespace data
