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
      {"print", "4", "5"},
      {"generate"},
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

TEST(LevelToolTest, AnUnwritableRootFailsWithStatusOne) {
  std::ostringstream out, err;
  // Checked before the designing starts, so this takes no time.
  EXPECT_EQ(runLevelsTool({"generate", "/nonexistent/root"}, out, err), kExitFailed);
  EXPECT_EQ(err.str(),
            "brambletop-levels: /nonexistent/root/src/game: not a folder that can be written\n");
}

}  // namespace
}  // namespace bt::levels
