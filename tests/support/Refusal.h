#pragma once

#include "data/Database.h"

namespace testing_support {

// Makes the database refuse a kind of write with `message`, as a full disk
// or a damaged file would: `event` is "BEFORE INSERT", "AFTER DELETE", ...
// on `table`. `first`, when given, is a statement that runs before the
// refusal, so a test can see it undone too.
void refuseWrites(data::Database& db, const char* event, const char* table, const char* message,
                  const char* first = nullptr);
// Lets the writes refused on `table` through again.
void allowWrites(data::Database& db, const char* table);

}  // namespace testing_support
