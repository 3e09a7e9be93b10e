#include <gtest/gtest.h>

#include "game/GameProof.h"
#include "game/LevelData.h"
#include "game/Rules.h"

namespace bt {
namespace {

GameProof recordedProof(size_t levels) {
  GameProof proof;
  for (size_t i = 0; i < levels; ++i) proof.levels.emplace_back(levelSolutions()[i]);
  return proof;
}

TEST(GameProofTest, TheRecordedSolutionsProveEveryLevel) {
  const GameProof proof = recordedProof(kLevelCount);
  EXPECT_EQ(checkProof(proof), std::nullopt);
  const auto parsed = parseProof(formatProof(proof));
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(*parsed, proof);
}

// Each case is a level's moves that must not count as its solve.
TEST(GameProofTest, ReplayRefusesWhatDoesNotSolveTheLevel) {
  const std::string first(levelSolutions()[0]);
  const struct {
    const char* what;
    int32_t level;
    std::string moves;
  } cases[] = {
      {"no moves", 0, ""},
      {"another level's moves", 0, std::string(levelSolutions()[1])},
      {"one move short", 0, first.substr(0, first.size() - 1)},
      {"a move after the solve", 0, first + "<"},
      {"a cursor move after the solve", 0, first + "U"},
      {"a byte outside the notation", 0, first.substr(0, 2) + "x" + first.substr(2)},
      {"a move the rules refuse", 0, std::string(12, 'U') + first},
      {"a level past the last", kLevelCount, first},
      {"a negative level", -1, first},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(replaySolvesLevel(c.level, c.moves));
  }
  EXPECT_TRUE(replaySolvesLevel(0, first));
}

TEST(GameProofTest, OneChangedMoveInAFullProofRefusesIt) {
  GameProof proof = recordedProof(kLevelCount);
  std::string& level40 = proof.levels[39];
  level40.back() = level40.back() == '<' ? '>' : '<';
  const auto refusal = checkProof(proof);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->reason, "the moves of level 40 do not solve it");
}

TEST(GameProofTest, ParseRefusesMalformedText) {
  const std::string atLimit(kMaxProofKeysPerLevel, 'U');
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"an empty level", "UU<L>L<L>,,R"},
      {"a trailing separator", "UU<L>L<L>,"},
      {"a byte outside the notation", "UU<L>L<l>"},
      {"a NUL byte", std::string("UU<\0L", 5)},
      {"a level one key over", atLimit + "U"},
      {"a level past the last",
       [] {
         std::string text = "U";
         for (int i = 1; i <= kLevelCount; ++i) text += ",U";
         return text;
       }()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string why;
    EXPECT_FALSE(parseProof(c.text, &why).has_value());
    EXPECT_FALSE(why.empty());
  }
  EXPECT_TRUE(parseProof(atLimit).has_value());
  EXPECT_EQ(parseProof("")->levels.size(), 0u);
}

// Wandering cursor runs, with moves refused at the board's edge, shorten to
// the straight paths of the recorded solution, and every recorded solution
// still solves its level once shortened.
TEST(GameProofTest, ShortenedRunsKeepTheSolve) {
  ASSERT_EQ(levelSolutions()[0], "UU<L>L<L>");
  EXPECT_EQ(shortenCursorRuns(0, "LLLLLLRRRUUDU<RLL>L<UDL>"), "UU<L>L<L>");
  EXPECT_EQ(shortenCursorRuns(0, "RRDDLL"), "DD");
  for (size_t i = 0; i < levelSolutions().size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    const auto level = static_cast<int32_t>(i);
    const std::string shortened = shortenCursorRuns(level, levelSolutions()[i]);
    EXPECT_LE(shortened.size(), levelSolutions()[i].size());
    EXPECT_TRUE(replaySolvesLevel(level, shortened)) << shortened;
  }
}

}  // namespace
}  // namespace bt
