// The endless mode's puzzles: ids read and written, the daily id, and the
// generator's output frozen for a table of ids, so that an id makes the same
// puzzle in every future version.
#include <gtest/gtest.h>

#include "game/DailyPuzzle.h"
#include "game/PuzzleGenerator.h"
#include "game/Solver.h"

namespace bt::puzzle {
namespace {

TEST(PuzzleId, ReadsWhatItWritesAndWhatAPersonTypes) {
  const PuzzleSpec spec{8, 3, 6, Difficulty::Medium, 0x13cfa};
  EXPECT_EQ(formatPuzzleId(spec), "8c3p6m-02f7t");
  EXPECT_EQ(parsePuzzleId("8c3p6m-02f7t"), spec);
  EXPECT_EQ(parsePuzzleId("8C3P6M-O2F7T"), spec);              // upper case, O for 0
  EXPECT_EQ(parsePuzzleId("10c4p10h-i0000")->seed, 1u << 20);  // i for 1
  EXPECT_EQ(formatPuzzleId({10, 4, 10, Difficulty::Hard, kSeedCount - 1}), "10c4p10h-zzzzz");
}

TEST(PuzzleId, RefusesWhatIsNoPuzzle) {
  for (const char* text :
       {"", "8c3p6m", "8c3p6m-k4x9", "8c3p6m-k4x9qq", "8c3p6x-k4x9q", "4c2p3m-k4x9q",
        "11c2p3m-k4x9q", "8c0p6m-k4x9q", "8c5p6m-k4x9q", "8c3p2m-k4x9q", "8c3p30m-k4x9q",
        "8c3p6m-k4u9q", "8c3p6m k4x9q", "8c3p3e-k4x9q!", "+8c3p6m-k4x9q", "5c4p3e-k4x9q"}) {
    EXPECT_FALSE(parsePuzzleId(text)) << text;
  }
}

TEST(DailyPuzzle, FollowsFromTheDateAlone) {
  struct Case {
    const char* date;
    const char* id;
  };
  for (const Case& c : {Case{"2026-12-07", "5c2p3m-tmgq7"}, Case{"2026-12-10", "8c4p7m-2r3ch"},
                        Case{"2026-12-12", "10c4p7m-c2k3v"}, Case{"2027-01-01", "9c4p6m-amjyk"}}) {
    const auto date = parseDate(c.date);
    ASSERT_TRUE(date) << c.date;
    EXPECT_EQ(dailyPuzzleId(*date), c.id) << c.date;
    EXPECT_EQ(formatDate(dateOfDay(daysSinceEpoch(*date))), c.date);
  }
  for (const char* text : {"2026-02-29", "2026-13-01", "2026-1-01", "20261201", "2026-12-1x"}) {
    EXPECT_FALSE(parseDate(text)) << text;
  }
}

// What each id makes, frozen: a change here changes the puzzles players
// share. Every puzzle's par lies in its difficulty's band, and its solution
// solves it.
TEST(PuzzleGenerator, MakesTheSamePuzzleForAnIdForever) {
  struct Case {
    const char* id;
    int par;
    bool proven;
    const char* firstMarkers;  // the first three markers, "column,row,colour;"
  };
  const Case cases[] = {
      {"5c2p2e-00001", 6, true, "2,3,1;2,4,2;"},
      {"6c3p4m-k4x9q", 13, true, "3,2,2;4,3,1;2,4,3;"},
      {"7c3p6m-abcde", 15, true, "3,1,3;2,2,2;5,3,1;"},
      {"8c3p6m-k4x9q", 16, true, "8,3,2;5,4,3;6,4,2;"},
      {"9c4p7m-00001", 16, true, "4,1,3;2,2,2;2,4,4;"},
      {"10c4p8m-zzzzz", 18, true, "6,3,3;10,4,2;2,8,4;"},
      {"5c3p8h-12345", 18, true, "1,2,2;3,2,1;2,3,3;"},
      {"8c4p9h-abcde", 24, false, "4,1,1;3,2,3;5,2,2;"},
      {"10c2p6h-7ptxq", 28, false, "3,2,1;4,3,1;3,4,1;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const auto spec = parsePuzzleId(c.id);
    ASSERT_TRUE(spec);
    const GeneratedPuzzle made = generatePuzzle(*spec);
    std::string markers;
    for (size_t i = 0; i < 3 && i < made.level.markers.size(); ++i) {
      const Piece& m = made.level.markers[i];
      markers += std::to_string(m.column) + "," + std::to_string(m.row) + "," +
                 std::to_string(m.colour) + ";";
    }
    EXPECT_EQ(made.par, c.par);
    EXPECT_EQ(made.proven, c.proven);
    EXPECT_EQ(markers, c.firstMarkers);
    const ParBand band = parBand(spec->side, spec->difficulty);
    EXPECT_GE(made.par, band.least);
    EXPECT_LE(made.par, band.most);
    const PuzzleBoard board(made.level);
    Position position = board.start();
    EXPECT_TRUE(board.play(position, made.solution));
    EXPECT_TRUE(board.solved(position));
    EXPECT_EQ(static_cast<int>(made.solution.size()), made.par);
  }
}

}  // namespace
}  // namespace bt::puzzle
