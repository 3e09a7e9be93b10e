#pragma once
// Where the score server keeps its table: each name's best score per game.
// Two backends share this interface and its tests: SQLite on one machine,
// PostgreSQL for several servers on one database.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bt::scored {

struct ScoreEntry {
  std::string name;
  int32_t score = 0;
  bool operator==(const ScoreEntry&) const = default;
};

struct ScoreRecord {
  std::string game;
  std::string name;
  int32_t score = 0;
};

// What a world record is for: a level of the game by its number ("1" to
// "72"), or a puzzle of the endless mode by its id ("8c3p6m-k4x9q"). The
// backends keep the levels' and the puzzles' records in tables of their
// own.
std::string levelKey(int level);
// The level a key names (from 1); nullopt for a puzzle's id.
std::optional<int> levelOfKey(std::string_view key);

// A proof shows that the moves solve the level, not who found them: moves
// can be copied, and the shortest are in the repository. So a level's or a
// puzzle's records rank no one. They count the names at each number of moves,
// and name those who reached the fewest first, which is all that arrival
// order can honestly tell.

// How many names hold `count` moves as their best.
struct MovesTally {
  int count = 0;
  int64_t players = 0;
  bool operator==(const MovesTally&) const = default;
};

// The most names and tallies a table holds.
inline constexpr size_t kFirstNames = 10;
inline constexpr size_t kTallyRows = 10;

// A level's or a puzzle's records; all empty when it has none.
struct RecordsTable {
  // The first names to reach the fewest moves, in the order they did.
  std::vector<std::string> firstToFewest;
  // Fewest moves first; the first is the fewest.
  std::vector<MovesTally> tallies;
  // Every name that solved it.
  int64_t players = 0;
  bool operator==(const RecordsTable&) const = default;
};

// The fewest moves of a level or a puzzle: the first name to reach them, how
// many hold them, and how many solved it at all.
struct BestOf {
  int count = 0;
  std::string first;
  int64_t atBest = 0;
  int64_t players = 0;
  bool operator==(const BestOf&) const = default;
};

struct LevelBest {
  int level = 0;  // from 1
  BestOf best;
  bool operator==(const LevelBest&) const = default;
};

struct PuzzleBest {
  std::string puzzle;  // its id
  BestOf best;
  bool operator==(const PuzzleBest&) const = default;
};

struct MovesRecord {
  std::string game;
  std::string key;  // the level or the puzzle (levelKey)
  std::string name;
  std::string moves;
};

// The database could not be reached or refused a read or a write.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScoreStore {
 public:
  virtual ~ScoreStore() = default;
  // The ten best of the game, best first (fewer while fewer are stored); equal
  // scores rank by who reached them first. Throws StoreError.
  virtual std::vector<ScoreEntry> topTen(const std::string& game) = 0;
  // Keeps the name's score unless it already holds a higher one, and returns
  // only once that is committed to disk. Safe from many threads at once.
  // Throws StoreError, and then nothing of it is stored, unless a database
  // server stopped answering after it was sent (it may be stored then).
  virtual void record(const ScoreRecord& record) = 0;
  // The records table of a level or a puzzle (levelKey). Its cost does not
  // grow with the records kept. Throws StoreError.
  virtual RecordsTable recordsOf(const std::string& game, const std::string& key) = 0;
  // The best of every level that has records, level 1 first, at the cost of
  // a few lookups a level. Throws StoreError.
  virtual std::vector<LevelBest> levelBests(const std::string& game) = 0;
  // The best of each of these puzzles that has records, in the order asked.
  // Throws StoreError.
  virtual std::vector<PuzzleBest> puzzleBests(const std::string& game,
                                              const std::vector<std::string>& puzzles) = 0;
  // Keeps the moves as the name's record of the level or puzzle when it is
  // the name's first there or fewer moves than its best, and returns only
  // once that is committed to disk. Safe from many threads; throws
  // StoreError as record().
  virtual void recordMoves(const MovesRecord& record) = 0;
  // The server is stopping: calls in flight and to come wait for the
  // database at most `grace` more. From any thread. A backend whose calls
  // cannot hang on another process (a local file) has nothing to do.
  virtual void stopWaiting(std::chrono::milliseconds /*grace*/) {}
};

inline constexpr std::chrono::seconds kDefaultDatabaseTimeout{3};

struct StoreOptions {
  // How long one call may wait for a database server (PostgreSQL) before it
  // fails with StoreError.
  std::chrono::milliseconds timeout = kDefaultDatabaseTimeout;
  // Whether an SQLite file is checked for damaged pages at start.
  bool checkFile = true;
};

// The backend for a --db value: a postgresql:// or postgres:// URL, else the
// path of an SQLite file. Throws StoreError when it cannot be opened.
std::unique_ptr<ScoreStore> openScoreStore(const std::string& database,
                                           const StoreOptions& options = {});

}  // namespace bt::scored
