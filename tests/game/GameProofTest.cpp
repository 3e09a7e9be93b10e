#include <gtest/gtest.h>

#include "game/GameProof.h"
#include "game/LevelData.h"
#include "game/LevelTable.h"
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
  const std::string text = formatProof(proof);
  EXPECT_LE(text.size(), kMaxProofTextBytes);
  const ParsedProof parsed = parseProof(text);
  ASSERT_TRUE(parsed.proof.has_value()) << parsed.refusal;
  EXPECT_EQ(*parsed.proof, proof);
  EXPECT_EQ(formatProof(recordedProof(2)), "UU<L>L<L>,LUU<RR>DDDD<<LL>>");
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
    const char* reason;
  } cases[] = {
      {"an empty level", "UU<L>L<L>,,R", "level 2 has no moves"},
      {"a leading separator", ",UU<L>L<L>", "level 1 has no moves"},
      {"a trailing separator", "UU<L>L<L>,", "level 2 has no moves"},
      {"a lower-case key", "UU<L>L<l>", "level 1 has a byte outside U D L R < >"},
      {"a NUL byte", std::string("UU<\0L", 5), "level 1 has a byte outside U D L R < >"},
      {"a line break", "UU<L>L<L>\n", "level 1 has a byte outside U D L R < >"},
      {"a level one key over", "R," + atLimit + "U", "level 2 has over 1000 moves"},
      {"a level past the last",
       [] {
         std::string text = "U";
         for (int i = 1; i <= kLevelCount; ++i) text += ",U";
         return text;
       }(),
       "the proof has more levels than the game"},
      {"a text over the limit", std::string(kMaxProofTextBytes + 1, ','),
       "the proof is over 32768 bytes"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ParsedProof parsed = parseProof(c.text);
    EXPECT_FALSE(parsed.proof.has_value());
    EXPECT_EQ(parsed.refusal, c.reason);
  }
  EXPECT_TRUE(parseProof(atLimit).proof.has_value());
  EXPECT_EQ(parseProof("").proof->levels.size(), 0u);
  // Every level at its limit fits the text's limit only in part: the whole
  // text is bounded on its own.
  EXPECT_LT(kMaxProofTextBytes, kLevelCount * (kMaxProofKeysPerLevel + 1));
}

TEST(GameProofTest, ShortenedMovesKeepTheSolve) {
  ASSERT_EQ(levelSolutions()[0], "UU<L>L<L>");
  const struct {
    const char* what;
    std::string moves, shortened;
  } cases[] = {
      {"wandering runs and refused moves", "LLLLLLRRRUUDU<RLL>L<UDL>", "UU<L>L<L>"},
      {"only cursor moves", "RRDDLL", "DD"},
      {"a turn undone by the other", "UU<L><>L<L>", "UU<L>L<L>"},
      {"a full circle of turns", "R<<<<<<<<LUU<L>L<L>", "UU<L>L<L>"},
      {"a detour that comes back", "UU<L>R<DD<<<<<<<<UU>LL<L>", "UU<L>L<L>"},
      {"a loop through the start", "<>UU<L>L<L>", "UU<L>L<L>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(shortenLevelMoves(0, c.moves), c.shortened);
  }
  for (size_t i = 0; i < levelSolutions().size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    const auto level = static_cast<int32_t>(i);
    const std::string solution(levelSolutions()[i]);
    // The recorded solutions are shortest: there is nothing to take out.
    EXPECT_EQ(shortenLevelMoves(level, solution), solution);
    // Before each turn, a turn and back, and a step aside and back.
    std::string detoured;
    Game game;
    ASSERT_TRUE(LevelTable::loadLevel(game.board, level));
    for (char move : solution) {
      if (!cursorMoveOf(move)) {
        const char* aside = playMove(game, 'L') ? "LR" : (playMove(game, 'R'), "RL");
        playMove(game, aside[1]);
        // The other way and back: the way of the turn itself might solve.
        detoured += std::string(move == '<' ? "><" : "<>") + aside;
      }
      detoured += move;
      playMove(game, move);
    }
    ASSERT_TRUE(replaySolvesLevel(level, detoured));
    EXPECT_EQ(shortenLevelMoves(level, detoured), solution);
  }
  EXPECT_EQ(shortenLevelMoves(kLevelCount, "LLx"), "LLx");
}

// A continued level's moves: those played before the save when they give
// the saved board, then the cursor's straight way to where the continued
// game stands; nothing when they do not give that board.
TEST(GameProofTest, ResumedMovesGiveTheSavedBoard) {
  const std::string two(levelSolutions()[1]);  // "LUU<RR>DDDD<<LL>>"
  // The board saved after the play, with the cursor in the middle as a
  // continued game has it.
  auto savedAfter = [](int32_t level, const std::string& played) {
    Game game;
    startLevel(game, level);
    for (char move : played) EXPECT_TRUE(playMove(game, move));
    Board continued = game.board;
    Game fresh;
    startLevel(fresh, level);
    continued.cursorX = fresh.board.cursorX;
    continued.cursorY = fresh.board.cursorY;
    return continued;
  };
  const Board afterHalf = savedAfter(1, two.substr(0, 6));
  EXPECT_EQ(resumedLevelMoves(1, "LUU<RR", afterHalf), "LUU<RRLDD");
  EXPECT_EQ(resumedLevelMoves(1, "", savedAfter(1, "")), "");
  const Board solved = savedAfter(1, two);
  EXPECT_EQ(resumedLevelMoves(1, two, solved), two) << "nothing after the solving turn";
  // The played moves then the rest from the continued board solve the
  // level from its start.
  const std::string resumed = *resumedLevelMoves(1, "LUU<RR", afterHalf);
  EXPECT_TRUE(replaySolvesLevel(1, resumed + "RUU" + two.substr(6)));

  const struct {
    const char* what;
    int32_t level;
    std::string played;
    Board continued;
  } refused[] = {
      {"another board", 1, "LUU>", afterHalf},
      {"another level", 0, "LUU<RR", afterHalf},
      {"a refused move", 1, "LUU<RRRRRRRR", afterHalf},
      {"a solve before the end", 1, two + "<>", solved},
      {"a byte outside the notation", 1, "LUU<RRx", afterHalf},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(resumedLevelMoves(c.level, c.played, c.continued), std::nullopt);
  }
}

}  // namespace
}  // namespace bt
