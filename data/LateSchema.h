#pragma once

namespace data {

class Database;

// The late list reads its rows from tables of their own, worked out by the
// program (late::LateStore) and kept by it: every overdue issue, and every
// one that will be, of each live subscription (`late_issue`), the day a
// subscription's issues must be worked out again as time goes on
// (`late_watch`), and the subscriptions whose rows a change made stale
// (`late_stale`). Triggers on the tables those rows come from mark the
// subscriptions they touch, so no writer, in this program or another, need
// know of them; a stale mark without a title means every row.
void createLateIssueTables(Database& db);
// The indexes of the late issues, dropped while every row is written again
// and made from the rows after, which costs far less than keeping them.
void dropLateIssueIndexes(Database& db);
void createLateIssueIndexes(Database& db);
// The triggers dropped, for a bulk load that marks every row stale itself.
void suspendLateIssueTriggers(Database& db);
// Every row to be worked out again.
void markEveryLateIssueStale(Database& db);

}  // namespace data
