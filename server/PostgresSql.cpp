#include "PostgresSql.h"

#include "RecordTallySql.h"
#include "ScoreStore.h"

namespace bt::scored {
namespace {

constexpr RecordTables kLevelTables{"records", "level", "integer", "record_tallies",
                                    "record_players"};
constexpr RecordTables kPuzzleTables{"puzzle_records", "puzzle", "text", "puzzle_tallies",
                                     "puzzle_players"};

constexpr const char* kTables =
    "CREATE TABLE IF NOT EXISTS scores ("
    " game text NOT NULL, name text NOT NULL, score integer NOT NULL,"
    " achieved timestamptz NOT NULL, PRIMARY KEY (game, name));"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (game, score DESC, achieved, name);"
    "CREATE TABLE IF NOT EXISTS records ("
    " game text NOT NULL, level integer NOT NULL, name text NOT NULL, count integer NOT NULL,"
    " moves text NOT NULL, achieved timestamptz NOT NULL, PRIMARY KEY (game, level, name));"
    "CREATE INDEX IF NOT EXISTS records_rank ON records (game, level, count, achieved, name);"
    "CREATE TABLE IF NOT EXISTS puzzle_records ("
    " game text NOT NULL, puzzle text NOT NULL, name text NOT NULL, count integer NOT NULL,"
    " moves text NOT NULL, achieved timestamptz NOT NULL, PRIMARY KEY (game, puzzle, name));"
    "CREATE INDEX IF NOT EXISTS puzzle_records_rank"
    " ON puzzle_records (game, puzzle, count, achieved, name);";

// The tallies of one kind of record, made and counted once. The trigger on
// records is made before the count, so that a server of an older version
// writing meanwhile waits for this transaction and is then counted by it.
// Locks are taken in one order by every transaction, so that servers
// sharing the database never deadlock: the record's row, then the tallies'
// rows from the higher count to the lower, then (for a name new to the
// board, or one gone) the row of its players, which a record that only gets
// shorter leaves alone.
constexpr const char* kTallies =
    "DO $do$ BEGIN IF to_regclass('@tallies') IS NULL THEN "
    "CREATE TABLE @tallies (game text NOT NULL, @key @keyType NOT NULL,"
    " count integer NOT NULL, players bigint NOT NULL, PRIMARY KEY (game, @key, count));"
    "CREATE TABLE @players (game text NOT NULL, @key @keyType NOT NULL,"
    " players bigint NOT NULL, PRIMARY KEY (game, @key));"
    "CREATE OR REPLACE FUNCTION @records_tally() RETURNS trigger LANGUAGE plpgsql AS $fn$ "
    "DECLARE moved boolean := TG_OP = 'UPDATE' AND"
    " (OLD.game IS DISTINCT FROM NEW.game OR OLD.@key IS DISTINCT FROM NEW.@key);"
    "BEGIN "
    "IF TG_OP <> 'INSERT' THEN "
    " UPDATE @tallies SET players = players - 1"
    "  WHERE game = OLD.game AND @key = OLD.@key AND count = OLD.count;"
    " DELETE FROM @tallies"
    "  WHERE game = OLD.game AND @key = OLD.@key AND count = OLD.count AND players <= 0;"
    "END IF;"
    "IF TG_OP <> 'DELETE' THEN "
    " INSERT INTO @tallies AS t VALUES (NEW.game, NEW.@key, NEW.count, 1)"
    "  ON CONFLICT (game, @key, count) DO UPDATE SET players = t.players + 1;"
    "END IF;"
    "IF TG_OP = 'DELETE' OR moved THEN "
    " UPDATE @players SET players = players - 1 WHERE game = OLD.game AND @key = OLD.@key;"
    " DELETE FROM @players WHERE game = OLD.game AND @key = OLD.@key AND players <= 0;"
    "END IF;"
    "IF TG_OP = 'INSERT' OR moved THEN "
    " INSERT INTO @players AS p VALUES (NEW.game, NEW.@key, 1)"
    "  ON CONFLICT (game, @key) DO UPDATE SET players = p.players + 1;"
    "END IF;"
    "RETURN NULL;"
    "END $fn$;"
    "CREATE TRIGGER @records_counted AFTER INSERT OR DELETE ON @records"
    " FOR EACH ROW EXECUTE FUNCTION @records_tally();"
    "CREATE TRIGGER @records_recounted AFTER UPDATE OF game, @key, count ON @records"
    " FOR EACH ROW WHEN (OLD.game IS DISTINCT FROM NEW.game OR OLD.@key IS DISTINCT FROM"
    " NEW.@key OR OLD.count IS DISTINCT FROM NEW.count)"
    " EXECUTE FUNCTION @records_tally();"
    "INSERT INTO @tallies SELECT game, @key, count, count(*) FROM @records"
    " GROUP BY game, @key, count;"
    "INSERT INTO @players SELECT game, @key, count(*) FROM @records GROUP BY game, @key;"
    "END IF; END $do$;";

constexpr const char* kTopTen =
    "SELECT name, score FROM scores WHERE game = $1 "
    "ORDER BY score DESC, achieved, name LIMIT 10";

// One statement for a whole batch: the arrays are read in their order, so
// servers that sort their batches take row locks in one order and cannot
// deadlock on each other.
constexpr const char* kUpsert =
    "INSERT INTO scores (game, name, score, achieved) "
    "SELECT g, n, s, clock_timestamp() FROM unnest($1::text[], $2::text[], $3::int[]) "
    "AS batch (g, n, s) "
    "ON CONFLICT (game, name) DO UPDATE SET score = EXCLUDED.score, "
    "achieved = EXCLUDED.achieved WHERE EXCLUDED.score > scores.score";

constexpr const char* kUpsertMoves =
    "INSERT INTO @records (game, @key, name, count, moves, achieved) "
    "VALUES ($1, $2::@keyType, $3, length($4), $4, clock_timestamp()) "
    "ON CONFLICT (game, @key, name) DO UPDATE SET count = EXCLUDED.count, "
    "moves = EXCLUDED.moves, achieved = EXCLUDED.achieved WHERE EXCLUDED.count < @records.count";

constexpr const char* kTable =
    "(SELECT 1 AS part, count::bigint AS n, players AS m, NULL::text AS name FROM @tallies"
    " WHERE game = $1 AND @key = $2::@keyType ORDER BY count LIMIT @tallyRows)"
    " UNION ALL "
    "(SELECT 2, 0, players, NULL FROM @players WHERE game = $1 AND @key = $2::@keyType)"
    " UNION ALL "
    "(SELECT 3, row_number() OVER (ORDER BY achieved, name), 0, name FROM @records"
    " WHERE game = $1 AND @key = $2::@keyType AND count = (SELECT min(count) FROM @tallies"
    " WHERE game = $1 AND @key = $2::@keyType) ORDER BY achieved, name LIMIT @firstNames)";

// The fewest moves of the row p of @players, and the first name to reach
// them: two index lookups.
constexpr const char* kBestOf =
    " CROSS JOIN LATERAL (SELECT count, players FROM @tallies"
    " WHERE game = p.game AND @key = p.@key ORDER BY count LIMIT 1) AS t"
    " CROSS JOIN LATERAL (SELECT name FROM @records"
    " WHERE game = p.game AND @key = p.@key AND count = t.count"
    " ORDER BY achieved, name LIMIT 1) AS f";

std::string withLimits(std::string text) {
  for (const auto& [placeholder, value] :
       {std::pair{"@tallyRows", kTallyRows}, std::pair{"@firstNames", kFirstNames}}) {
    const size_t at = text.find(placeholder);
    text.replace(at, std::string(placeholder).size(), std::to_string(value));
  }
  return text;
}

}  // namespace

const std::string& postgresSchema() {
  static const std::string schema = "BEGIN;SELECT pg_advisory_xact_lock(8750001);" +
                                    std::string(kTables) + tallySql(kTallies, kLevelTables) +
                                    tallySql(kTallies, kPuzzleTables) + "COMMIT;";
  return schema;
}

const std::vector<std::pair<const char*, std::string>>& postgresStatements() {
  static const std::vector<std::pair<const char*, std::string>> statements = {
      {kPgTopTen, kTopTen},
      {kPgUpsert, kUpsert},
      {kPgUpsertMoves, tallySql(kUpsertMoves, kLevelTables)},
      {kPgUpsertPuzzleMoves, tallySql(kUpsertMoves, kPuzzleTables)},
      {kPgLevelTable, tallySql(withLimits(kTable), kLevelTables)},
      {kPgPuzzleTable, tallySql(withLimits(kTable), kPuzzleTables)},
      {kPgLevelBests,
       tallySql("SELECT p.level, t.count, t.players, p.players, f.name FROM @players p" +
                    std::string(kBestOf) + " WHERE p.game = $1 ORDER BY p.level LIMIT 1000",
                kLevelTables)},
      {kPgPuzzleBests,
       tallySql("SELECT p.puzzle, t.count, t.players, p.players, f.name"
                " FROM unnest($2::text[]) WITH ORDINALITY AS asked (puzzle, position)"
                " JOIN @players p ON p.game = $1 AND p.puzzle = asked.puzzle" +
                    std::string(kBestOf) + " ORDER BY asked.position",
                kPuzzleTables)},
  };
  return statements;
}

}  // namespace bt::scored
