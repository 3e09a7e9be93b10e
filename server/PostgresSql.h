#pragma once
// What the PostgreSQL backend says to the database: the schema, made in one
// transaction under an advisory lock so that servers starting together make
// it once, and the statements every connection prepares. The records'
// tallies (RecordTallySql) are kept by triggers; a database from before them
// has them counted from its records once, by the first server to start.
#include <string>
#include <utility>
#include <vector>

namespace bt::scored {

// The names of the prepared statements.
inline constexpr const char* kPgTopTen = "top_ten";
inline constexpr const char* kPgUpsert = "upsert";
inline constexpr const char* kPgUpsertMoves = "upsert_moves";
inline constexpr const char* kPgUpsertPuzzleMoves = "upsert_puzzle_moves";
// A level's or a puzzle's table: rows (part, n, m, name) where part 1 is a
// tally (n moves, m names), part 2 the names with a record (m), part 3 the
// n-th name to reach the fewest moves.
inline constexpr const char* kPgLevelTable = "level_table";
inline constexpr const char* kPgPuzzleTable = "puzzle_table";
// Rows (level or puzzle, fewest moves, names at them, names, first name).
inline constexpr const char* kPgLevelBests = "level_bests";
inline constexpr const char* kPgPuzzleBests = "puzzle_bests";

// The schema's transaction, for PQexec.
const std::string& postgresSchema();
// Each statement's name and SQL.
const std::vector<std::pair<const char*, std::string>>& postgresStatements();

}  // namespace bt::scored
