#pragma once
// The records' tallies in SQL, for both backends: beside each table of
// records (one row per name and level, or name and puzzle) stand
//   TALLIES (game, KEY, count, players)   how many names hold `count` moves
//   PLAYERS (game, KEY, players)          how many names hold a record
// kept by triggers in the transaction of every change of a record, so that
// a level's table and its best are read in a few index lookups however many
// records there are. A row whose players fall to 0 is deleted. The texts
// below name the tables of one kind of record through these placeholders,
// which tallySql() fills in:
//   @records @key @keyType @tallies @players
#include <string>
#include <string_view>

namespace bt::scored {

// The names of one kind of record's tables.
struct RecordTables {
  const char* records;  // "records" or "puzzle_records"
  const char* key;      // "level" or "puzzle"
  const char* keyType;  // the backend's type of the key
  const char* tallies;
  const char* players;
};

// `text` with the placeholders replaced by `tables`' names.
std::string tallySql(std::string_view text, const RecordTables& tables);

}  // namespace bt::scored
