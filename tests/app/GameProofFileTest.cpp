// "proof.dat": the game's proof kept as levels are solved, read back when
// the game goes on, and never in the way of play when it is damaged.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/GameProofFile.h"
#include "app/ShellFixture.h"
#include "game/LevelData.h"
#include "storage/StoredFile.h"
#include "support/CapturedStderr.h"

namespace bt::test {
namespace {

std::string solution(int level) {
  return std::string(levelSolutions()[static_cast<size_t>(level - 1)]);
}

class GameProofFileTest : public ShellTest {
 protected:
  void SetUp() override { start(); }

  // A game's proof read afresh from the file, as a continued game reads it.
  GameProof reread() {
    GameProofFile again(app_->player());
    again.load();
    return again.proof();
  }
};

TEST_F(GameProofFileTest, LevelsAreKeptShortenedAndReadBack) {
  GameProofFile file(app_->player());
  file.clear();
  EXPECT_EQ(file.proofOfScore(0), "");
  EXPECT_EQ(file.proofOfScore(1), std::nullopt);
  // The play of level 1 wanders and turns back and forth; what is kept is
  // the recorded solution.
  file.levelSolved(0, "LLLLLLRRRUUDU<><RLL>L<UDL>");
  file.levelSolved(1, solution(2));
  EXPECT_EQ(file.proof().levels, (std::vector<std::string>{solution(1), solution(2)}));
  EXPECT_EQ(file.proofOfScore(2), solution(1) + "," + solution(2));
  EXPECT_EQ(file.proofOfScore(1), solution(1));
  EXPECT_EQ(file.proofOfScore(3), std::nullopt);
  EXPECT_EQ(file.proofOfScore(-1), std::nullopt);
  EXPECT_EQ(reread(), file.proof()) << "a continued game keeps it";

  // Level 2 played again (the game was started anew without its file being
  // cleared): it replaces the level and drops what came after.
  file.levelSolved(0, solution(1));
  EXPECT_EQ(reread().levels, (std::vector<std::string>{solution(1)}));
  file.clear();
  EXPECT_TRUE(reread().levels.empty()) << "a new game clears it";
}

// Each case is a solve that cannot be kept; the proof then ends before it,
// and later levels are not kept either (the proof must run from level 1).
TEST_F(GameProofFileTest, WhatCannotBeProvenIsNotKept) {
  const struct {
    const char* what;
    int32_t level;
    std::string moves;
    const char* warning;
  } cases[] = {
      {"moves that do not solve it", 1, "LU<", "level 2 cannot be kept as proof"},
      {"a level after a gap", 2, solution(3), nullptr},
      {"a level past the last", kLevelCount, solution(1), nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    GameProofFile file(app_->player());
    file.clear();
    file.levelSolved(0, solution(1));
    CapturedStderr errors;
    file.levelSolved(c.level, c.moves);
    const std::string said = errors.take();
    if (c.warning) {
      EXPECT_NE(said.find(c.warning), std::string::npos) << said;
    } else {
      EXPECT_EQ(said, "");
    }
    file.levelSolved(c.level + 1, solution(c.level + 2 <= kLevelCount ? c.level + 2 : 1));
    EXPECT_EQ(file.proof().levels, (std::vector<std::string>{solution(1)}));
    EXPECT_EQ(reread(), file.proof());
  }
}

// Damaged and unreadable files go through the player's data as every
// player file does (PlayerFilesTest); the good file holds the header, the
// count and the text.
TEST_F(GameProofFileTest, TheFileHoldsTheHeaderTheCountAndTheText) {
  const std::string one = solution(1);
  const std::string path = folder_.file("proof.dat");
  GameProofFile file(app_->player());
  file.levelSolved(0, one);
  ByteReader reader;
  ASSERT_TRUE(loadStored(reader, path));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(reader.data()),
                        static_cast<size_t>(reader.length())),
            std::string("BTPF\x01\0\0\0", 8) + one);
}

// The level in progress, kept beside the proof when the game is left, for
// the level after the proven ones only, and dropped once that is solved.
TEST_F(GameProofFileTest, TheLevelInProgressIsKeptBesideTheProof) {
  auto contents = [](const std::string& bytes) {
    return encodeStored(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  };
  const std::string one = solution(1);
  GameProofFile file(app_->player());
  file.clear();
  file.levelSolved(0, one);
  file.keepLevelInProgress(1, {"LUU<", true});
  EXPECT_EQ(folder_.read("proof.dat"),
            contents(std::string("BTPC\x01\0\0\0\x01\x04\0\0\0LUU<", 17) + one));
  GameProofFile again(app_->player());
  again.load();
  EXPECT_EQ(again.levelInProgress(), (LevelInProgress{"LUU<", true}));
  EXPECT_EQ(again.proof(), file.proof());

  const struct {
    const char* what;
    int32_t level;
    LevelInProgress kept;
  } notKept[] = {
      {"a level after a gap", 2, {"LUU<", false}},
      {"a proven level", 0, {"LUU<", false}},
      {"too many moves", 1, {std::string(kMaxLevelInProgressKeys + 1, 'L'), false}},
      {"a byte outside the notation", 1, {"LUx", false}},
      {"nothing to keep", 1, {}},
  };
  for (const auto& c : notKept) {
    SCOPED_TRACE(c.what);
    file.keepLevelInProgress(1, {"LUU<", false});
    file.keepLevelInProgress(c.level, c.kept);
    EXPECT_TRUE(file.levelInProgress().empty());
    EXPECT_EQ(folder_.read("proof.dat"), contents(std::string("BTPF\x01\0\0\0", 8) + one))
        << "the form without a level in progress, as before";
  }
  file.keepLevelInProgress(1, {"LUU<", false});
  file.levelSolved(1, solution(2));
  GameProofFile solved(app_->player());
  solved.load();
  EXPECT_TRUE(solved.levelInProgress().empty());
  EXPECT_EQ(solved.proof().levels.size(), 2u);

  const struct {
    const char* what;
    std::string bytes;
  } damaged[] = {
      {"a flag unknown", std::string("BTPC\x01\0\0\0\x02\x01\0\0\0L", 14) + one},
      {"moves past the end", std::string("BTPC\x00\0\0\0\x00\x09\0\0\0LUU", 16)},
      {"a byte outside the notation", std::string("BTPC\x00\0\0\0\x00\x01\0\0\0x", 14)},
      {"nothing in progress", std::string("BTPC\x00\0\0\0\x00\0\0\0\0", 13)},
      {"no flags", std::string("BTPC\x00\0\0\0", 8)},
  };
  for (const auto& c : damaged) {
    SCOPED_TRACE(c.what);
    folder_.write("proof.dat", contents(c.bytes));
    CapturedStderr errors;
    GameProofFile read(app_->player());
    read.load();
    EXPECT_TRUE(read.levelInProgress().empty());
    EXPECT_TRUE(read.proof().levels.empty());
    EXPECT_NE(errors.take().find("is damaged"), std::string::npos);
  }
}

}  // namespace
}  // namespace bt::test
