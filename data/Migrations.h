#pragma once

namespace data {

class Database;

// Marks a file as a database of this program ("VRLN") and the version of its
// schema, so a later release can tell an old file from a foreign one.
constexpr int kApplicationId = 0x56524C4E;
// The step that adds the article index reaches this version.
constexpr int kArticleIndexVersion = 9;
// The step that keeps the claims of each overdue issue reaches this version.
constexpr int kClaimsVersion = 10;
// The step that reads dates for the indexes with fewer calls and indexes the
// title keys trimmed reaches this version.
constexpr int kKeyIndexesVersion = 11;
// The step that lets the title lists page through the titles in Thai order.
constexpr int kListOrderVersion = 12;
// The step that finds a title's issues by year number reaches this version.
constexpr int kVolumeIndexVersion = 13;
// The step that drops the issue index on the trimmed title key alone.
constexpr int kIssueKeyIndexDroppedVersion = 14;
// The step that lets the author list page through the authors in Thai order.
constexpr int kAuthorOrderVersion = 15;
// The step that stores the issues' date keys for their indexes.
constexpr int kIssueDateKeysVersion = 16;
// The step that keeps the late issues in tables of their own.
constexpr int kLateIssuesVersion = 17;
// The step that lets the articles found page in citation and number order.
constexpr int kCitationOrderVersion = 18;
constexpr int kSchemaVersion = kCitationOrderVersion;
// Servers were first made at this version; the steps before it are the file's.
constexpr int kFirstServerVersion = 5;

struct FileVersion {
    int applicationId = 0;
    int userVersion = 0;
};

FileVersion fileVersion(const Database& db);
// Writes the current marks; called inside the transaction that built the file.
void stampVersion(Database& db);
// Brings a file or a server of an older version up to date, each numbered
// step in one transaction with the version it reaches.
void migrate(Database& db);

}  // namespace data
