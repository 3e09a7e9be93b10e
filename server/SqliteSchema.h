#pragma once
// The SQLite file's tables: each name's best score per game, each name's
// record of each level and of each puzzle, and the records' tallies
// (RecordTallySql) with the triggers that keep them. A file from before the
// tallies has them counted from its records once, at its first start.
#include <sqlite3.h>

#include <string>

#include "RecordTallySql.h"

namespace bt::scored {

// The tables of the levels' records and of the puzzles'.
inline constexpr RecordTables kSqliteLevelTables{"records", "level", "INTEGER", "record_tallies",
                                                 "record_players"};
inline constexpr RecordTables kSqlitePuzzleTables{"puzzle_records", "puzzle", "TEXT",
                                                  "puzzle_tallies", "puzzle_players"};

// Runs SQL without results; throws StoreError with SQLite's message.
void sqliteExecute(sqlite3* db, const std::string& sql);

// Makes whatever is missing, in one transaction. Throws StoreError.
void createSqliteSchema(sqlite3* db);

}  // namespace bt::scored
