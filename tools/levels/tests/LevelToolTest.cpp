#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "levels/LevelsTool.h"

namespace bt::levels {
namespace {

// Command-line mistakes get one line naming the fault, then the usage, and
// exit status 2; nothing is designed or written.
TEST(LevelToolTest, MistakesGetTheUsageAndStatusTwo) {
  const std::vector<std::vector<std::string>> mistakes = {
      {},
      {"make"},
      {"print"},
      {"print", "0"},
      {"print", "73"},
      {"print", "4x"},
      {"print", "-1"},
      {"solve", ""},
      {"solve", "3", "UUU"},
      {"solve", "3", "RX"},
      {"solve", "3", "R", "R"},
      {"solve", "3", "--nodes"},
      {"solve", "3", "--nodes", "0"},
      {"solve", "3", "--nodes", "1e6"},
      {"print", "4", "5"},
      {"generate"},
      {"generate", "root", "--cache"},
      {"generate", "root", "--keep", "folder"},
      {"write", "root"},
      {"write", "root", "--keep", "folder"},
      {"write", "root", "--cache", "folder", "more"},
      {"write", "root", "--cache", "folder", "--through"},
      {"write", "root", "--cache", "folder", "--through", "73"},
      {"write", "root", "--through", "5", "--cache", "folder"},
      {"puzzle"},
      {"puzzle", "8c3p6m-k4x9"},
      {"puzzle", "8c3p6m-k4x9q", "again"},
      {"daily", "2026-02-30"},
      {"daily"},
  };
  for (const auto& args : mistakes) {
    SCOPED_TRACE(::testing::PrintToString(args));
    std::ostringstream out, err;
    EXPECT_EQ(runLevelsTool(args, out, err), kExitUsage);
    EXPECT_TRUE(out.str().empty());
    const std::string text = err.str();
    EXPECT_EQ(text.rfind("brambletop-levels: ", 0), 0u);
    EXPECT_NE(text.find("\nusage: brambletop-levels generate"), std::string::npos);
  }
}

TEST(LevelToolTest, DailyPrintsTheDaysPuzzleIdAndPuzzlePrintsIt) {
  std::ostringstream out, err;
  ASSERT_EQ(runLevelsTool({"daily", "2026-12-10"}, out, err), kExitDone);
  EXPECT_EQ(out.str(), "8c4p7m-2r3ch\n");
  out.str("");
  ASSERT_EQ(runLevelsTool({"puzzle", "6C3P4M-K4X9Q"}, out, err), kExitDone);
  EXPECT_EQ(out.str().rfind("Puzzle 6c3p4m-k4x9q: side 6, 3 colours, 4 pairs, medium, par 10 "
                            "(proven)\n",
                            0),
            0u)
      << out.str();
}

TEST(LevelToolTest, PrintShowsTheLevelAndItsSolution) {
  std::ostringstream out, err;
  ASSERT_EQ(runLevelsTool({"print", "3"}, out, err), kExitDone);
  EXPECT_EQ(out.str(),
            "Level 3: side 9, 3 pairs, solution 14 moves\n"
            "     .. .. .. .. .. .. ..\n"
            "  .. .. .. .. .. .. .. .. .A\n"
            "  .. .. .. .. .. .. .. .. .B\n"
            "  .. .. .. .. .. .. .. .. .D\n"
            "  .. .. .. .. .. .. .. .. 2.\n"
            "  .. .. .. .. .. .. .. .. 4.\n"
            "  .. .. .. .. .. .. .. .. 1.\n"
            "  .. .. .. .. .. .. .. .. ..\n"
            "     .. .. .. .. .. .. ..\n"
            "(marker colour 1-4 or ., then tile colour A-D or .)\n"
            "RRRDD<U<U<U<U<\n");
}

// solve prints a shortest solution from the position after the moves, its
// length and whether it is proven; a budget too small for a proof still
// gives a solution, marked as the best found.
TEST(LevelToolTest, SolveAnswersFromThePositionAfterTheMoves) {
  struct Case {
    std::vector<std::string> args;
    std::string firstLine;  // up to the node count, which the search may change
    std::string solution;
  };
  const Case cases[] = {
      {{"solve", "3"}, "Level 3: 14 moves, proven shortest, ", "RRRDD<U<U<U<U<"},
      {{"solve", "3", "RRR"}, "Level 3 after 3 moves: 11 moves, proven shortest, ", "DD<U<U<U<U<"},
      {{"solve", "3", "UU"},
       "Level 3 after 2 moves: 16 moves, proven shortest, ",
       "RRRDDDD<U<U<U<U<"},
      {{"solve", "3", "RRRDD<U<U<U<U<"}, "Level 3 after 14 moves: 0 moves, proven shortest, ", ""},
      {{"solve", "1", "--nodes", "5000000"}, "Level 1: 9 moves, proven shortest, ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    std::ostringstream out, err;
    ASSERT_EQ(runLevelsTool(c.args, out, err), kExitDone);
    EXPECT_TRUE(err.str().empty());
    const std::string text = out.str();
    EXPECT_EQ(text.rfind(c.firstLine, 0), 0u) << text;
    if (!c.solution.empty()) {
      EXPECT_EQ(text.substr(text.find('\n') + 1), c.solution + "\n");
    }
  }
  std::ostringstream out, err;
  ASSERT_EQ(runLevelsTool({"solve", "2", "--nodes", "10"}, out, err), kExitDone);
  EXPECT_NE(out.str().find(": 17 moves, best found, none shorter than "), std::string::npos)
      << out.str();
}

TEST(LevelToolTest, AnUnwritableRootFailsWithStatusOne) {
  std::ostringstream out, err;
  // Checked before the designing starts, so this takes no time.
  EXPECT_EQ(runLevelsTool({"generate", "/nonexistent/root"}, out, err), kExitFailed);
  EXPECT_EQ(err.str(),
            "brambletop-levels: /nonexistent/root/src/game: not a folder that can be written\n");
}

}  // namespace
}  // namespace bt::levels
