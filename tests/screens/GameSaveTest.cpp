#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "gfx/Colour.h"
#include "screens/GameFixture.h"

namespace bt::test {
namespace {

class GameSaveTest : public GameTest {
 protected:
  std::vector<uint8_t> rawFile() {
    std::ifstream in(savePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

TEST_F(GameSaveTest, LeavingWritesTheLengthThenTheCompressedContents) {
  openGame(ScreenId::NewGame);
  quitGame();
  const std::vector<uint8_t> file = rawFile();
  ASSERT_GE(file.size(), 4u);
  EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 4),
            (std::vector<uint8_t>{0xCD, 0x00, 0x00, 0x00}));
  EXPECT_LT(file.size(), 4 + kSavedGameBytes) << "compressed";
  Board levelOne;
  LevelTable::loadLevel(levelOne, 0);
  const auto expected = encodeSavedGame(levelOne);
  EXPECT_EQ(readSave(), std::vector<uint8_t>(expected.begin(), expected.end()));
}

// A game saved on one display continues on either, at that art set's origin.
TEST_F(GameSaveTest, LevelTwelveContinuesAtTheArtSetsOrigin) {
  Board kept;
  if (!LevelTable::loadLevel(kept, 11)) {
    resetBoard(kept, 6);  // level 12's side, with pairs of its own
    for (int i = 2; i <= 5; ++i) {
      placeMarker(kept, i, 2, i - 1);
      placeTile(kept, 7 - i, 5, i - 1);
    }
  }
  kept.levelIndex = 11;
  struct Case {
    int32_t width, height, pitch, originX, originY;
  };
  for (const Case& c : {Case{176, 220, 17, 37, 59}, Case{240, 320, 22, 54, 40}}) {
    SCOPED_TRACE(c.width);
    writeSave(kept);
    const auto before = readSave();
    created_.clear();
    openGame(ScreenId::ContinueGame, c.width, c.height);
    EXPECT_EQ(screen().statusText(), "Level 12 or 72");
    EXPECT_EQ(game().board.cells, kept.cells);
    EXPECT_EQ(game().board.cursorX, 2);
    EXPECT_EQ(game().board.cursorY, 1);
    // The cursor's outline starts one pixel above its cell (2, 1): the board
    // stands at this display's origin.
    EXPECT_EQ(shownPixel(c.originX + 2 * c.pitch, c.originY + c.pitch - 1), kWhite);
    quitGame();
    EXPECT_EQ(readSave(), before);
    app_.reset();
  }
}

TEST_F(GameSaveTest, AnUnusableSaveStartsLevelOne) {
  using Bytes = std::vector<uint8_t>;
  Board good;
  LevelTable::loadLevel(good, 2);
  good.levelIndex = 2;
  const auto encoded = encodeSavedGame(good);
  const Bytes goodBytes(encoded.begin(), encoded.end());
  auto changed = [&](size_t at, uint8_t value) {
    Bytes b = goodBytes;
    b[at] = value;
    return b;
  };
  struct Case {
    const char* what;
    bool stored;  // written as a stored file, else as raw bytes
    Bytes bytes;
  };
  const Case cases[] = {
      {"missing", false, {}},
      {"empty", false, {}},
      {"not a stored file", false, {'s', 'a', 'v', 'e'}},
      {"short", true, Bytes(goodBytes.begin(), goodBytes.end() - 1)},
      {"side 4", true, changed(4, 4)},
      {"side 11", true, changed(4, 11)},
      {"negative level", true, changed(3, 0xFF)},
      {"cell value 9", true, changed(5 + 2 * (10 * 4 + 4), 9)},
      {"a marker without its tile", true, changed(5 + 2 * (10 * 4 + 4) + 1, 0)},
      {"past the last level unsolved", true, changed(0, 80)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(savePath());
    if (c.stored) {
      writeSave(c.bytes);
    } else if (std::string_view(c.what) != "missing") {
      std::ofstream(savePath(), std::ios::binary)
          .write(reinterpret_cast<const char*>(c.bytes.data()),
                 static_cast<std::streamsize>(c.bytes.size()));
    }
    start();
    app_->player().settings().gameInProgress = 1;
    openGame(ScreenId::ContinueGame);
    Board levelOne;
    LevelTable::loadLevel(levelOne, 0);
    EXPECT_EQ(game().board.levelIndex, 0);
    EXPECT_EQ(game().board.cells, levelOne.cells);
    EXPECT_EQ(screen().statusText(), "Level 1 or 72");
    EXPECT_EQ(app_->player().settings().gameInProgress, 0);
    app_.reset();
  }
}

TEST_F(GameSaveTest, AFinishedGameContinuesToGameOver) {
  Board finished;
  resetBoard(finished, 7);
  for (int row = 2; row <= 6; ++row) {
    placeMarker(finished, 4, row, 3);
    placeTile(finished, 4, row, 3);
  }
  finished.levelIndex = 72;
  writeSave(finished);
  openGame(ScreenId::ContinueGame);
  EXPECT_EQ(screen().statusText(), "Game Over");
  press(kKeyUp);  // cursor moves are still taken
  EXPECT_EQ(game().board.cursorY, 0);
  for (GameKey key : {kKeyAction, kKeyBack, kKeyStar}) press(key);
  tap(10, 10);  // the Restart label
  tap(30, 280);
  EXPECT_FALSE(game().rotation.rotating);
  EXPECT_EQ(game().board.cells, finished.cells);
  EXPECT_EQ(screen().statusText(), "Game Over");
  EXPECT_EQ(app_->player().settings().gameInProgress, 0);
  quitGame();
  const auto saved = decodeSavedGame(readSave());
  ASSERT_TRUE(saved.has_value());
  EXPECT_GT(saved->levelIndex, 72);
  EXPECT_EQ(saved->cells, finished.cells);
}

// Leaving is asked for again while the picture fades (a held Escape or F1
// repeats, a second tap on the menu button): the score goes into the table
// once, and the table still opens for its name.
TEST_F(GameSaveTest, AScoreIsRecordedOnceHoweverOftenTheGameIsLeft) {
  openGame(ScreenId::NewGame);
  playKeys(levelSolutions()[0]);
  press(kKeyHash);
  ASSERT_EQ(screen().statusText(), "Level 2 or 72");
  created_.clear();
  for (int i = 0; i < 3; ++i) press(kKeyLeftSoft);
  tap(220, 20);  // the menu button
  runFrames(12);
  ASSERT_EQ(created_, std::vector<int>{static_cast<int>(ScreenId::ScoreTable)});
  int rows = 0;
  for (const ScoreEntry& entry : app_->player().scores().entries) rows += entry.score == 1 ? 1 : 0;
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(app_->player().scores().getHighlighted(), 0);
}

// Every level through the real key handling, from a new game, leaving and
// continuing once half-way.
TEST_F(GameSaveTest, PlaysEveryLevelWithItsRecordedSolution) {
  const auto levels = builtInLevels();
  const auto solutions = levelSolutions();
  const size_t halfWay = levels.size() / 2;
  openGame(ScreenId::NewGame);
  for (size_t i = 0; i < levels.size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    if (i == halfWay) {
      quitGame(ScreenId::ScoreTable);  // the levels solved so far earn the top row
      EXPECT_EQ(app_->player().scores().entries[0].score, static_cast<int32_t>(halfWay));
      EXPECT_EQ(app_->player().scores().getHighlighted(), 0);
      openGame(ScreenId::ContinueGame);
    }
    ASSERT_EQ(screen().statusText(), "Level " + std::to_string(i + 1) + " or 72");
    playKeys(solutions[i]);
    EXPECT_EQ(app_->player().settings().gameInProgress, i + 1 == kLevelCount ? 0 : 1);
    ASSERT_EQ(screen().statusText(), i + 1 == kLevelCount ? "Game Over" : "Level Complete");
    press(kKeyHash);  // any key shows the next level
  }
  if (levels.size() == static_cast<size_t>(kLevelCount)) {
    EXPECT_EQ(screen().statusText(), "Game Over");
    quitGame(ScreenId::ScoreTable);
    EXPECT_EQ(app_->player().scores().entries[0].score, kLevelCount);
    const auto saved = decodeSavedGame(readSave());
    ASSERT_TRUE(saved.has_value());
    EXPECT_GT(saved->levelIndex, kLastLevelIndex);
  }
}

}  // namespace
}  // namespace bt::test
