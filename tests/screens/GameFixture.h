#pragma once
// The program's screens on the headless backend with the built art, and
// helpers that play the game screen as a player would.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/SavedGame.h"
#include "platform/headless/HeadlessDisplay.h"
#include "platform/headless/PngFile.h"
#include "screens/GameScreen.h"
#include "screens/ProgramScreensFixture.h"
#include "storage/ByteReader.h"
#include "storage/ByteWriter.h"
#include "storage/Paths.h"
#include "storage/StoredFile.h"

namespace bt::test {

class GameTest : public ProgramScreensTest {
 protected:
  GameTest() { useBuiltArt(); }

  // Starts the program (when not running) and switches to the game screen
  // for id; the game has drawn its first frame on return.
  GameScreen& openGame(ScreenId id, int32_t width = 240, int32_t height = 320) {
    if (!app_) {
      start(width, height);
      runFrames(1);
    }
    app_->requestScreen(id);
    runFrames(12);
    EXPECT_EQ(created_.back(), static_cast<int>(id));
    return screen();
  }

  GameScreen& screen() { return *dynamic_cast<GameScreen*>(app_->currentScreen()); }
  const Game& game() { return screen().game(); }

  // Leaves the game (the Quit key) and lets the switch end: the main menu, or
  // the score table when the game earned a row there.
  void quitGame(ScreenId expected = ScreenId::MainMenu) {
    press(kKeyLeftSoft);
    runFrames(12);
    EXPECT_EQ(created_.back(), static_cast<int>(expected));
  }

  void press(GameKey key) {
    app_->keyDown(key);
    app_->keyUp(key);
    runFrames(1);
  }

  // The keys of a recorded solution with the default key map, each rotation
  // left to finish (17 frames and the redraw after the commit).
  void playKeys(std::string_view moves) {
    for (char move : moves) {
      switch (move) {
        case 'U':
          press(kKeyUp);
          break;
        case 'D':
          press(kKeyDown);
          break;
        case 'L':
          press(kKeyLeft);
          break;
        case 'R':
          press(kKeyRight);
          break;
        case '<':
          press(kKeyAction);
          runFrames(kRotationFrames + 1);
          break;
        case '>':
          press(kKeyBack);
          runFrames(kRotationFrames + 1);
          break;
        default:
          ADD_FAILURE() << "move " << move;
      }
    }
  }

  void tap(int x, int y) {
    app_->penDown(static_cast<uint16_t>(x), static_cast<uint16_t>(y));
    app_->penUp(static_cast<uint16_t>(x), static_cast<uint16_t>(y));
    runFrames(1);
  }

  std::string savePath() { return folder_.file("save.dat"); }

  void writeSave(const std::vector<uint8_t>& contents) {
    ByteWriter writer;
    writer.appendBytes(contents.data(), static_cast<int32_t>(contents.size()));
    ASSERT_TRUE(saveStored(writer, savePath()));
  }

  void writeSave(const Board& board) {
    const auto bytes = encodeSavedGame(board);
    writeSave(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  }

  // The contents of "save.dat"; empty when it cannot be read.
  std::vector<uint8_t> readSave() {
    ByteReader reader;
    if (!loadStored(reader, savePath())) return {};
    return {reader.data(), reader.data() + reader.length()};
  }

  uint16_t pixel(int x, int y) { return app_->frameBuffer().pixel(x, y); }
  // A pixel of the picture the display shows, and that picture as a PNG.
  uint16_t shownPixel(int x, int y) {
    return display().shownPixels()[static_cast<size_t>(y * display().shownWidth() + x)];
  }
  bool saveShown(const std::string& path) {
    return platform::writePng565(path, display().shownPixels().data(), display().shownWidth(),
                                 display().shownHeight());
  }
  platform::HeadlessDisplay& display() {
    return static_cast<platform::HeadlessDisplay&>(platform_.display());
  }
};

}  // namespace bt::test
