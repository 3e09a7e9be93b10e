#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

#include "game/LevelData.h"
#include "gfx/Colour.h"
#include "platform/VirtualKeys.h"
#include "screens/GameFixture.h"

namespace bt::test {
namespace {

constexpr uint16_t kHintColour = rgb565(0, 255, 255);

struct Display {
  int32_t width, height;
  int32_t originX, originY;  // level 1's cell (0, 0)
  int32_t pitch;
};
constexpr Display kDisplays[] = {{176, 220, 3, 25, 17}, {240, 320, 10, 40, 22}};

class GameHintTest : public GameTest {
 protected:
  // The desktop's H as the window sends it.
  void pressHint() {
    platform_.post(platform::keyMessage(platform::kMessageKeyDown, platform::letterKey('H')));
    platform_.post(platform::keyMessage(platform::kMessageKeyUp, platform::letterKey('H')));
    runFrames(1);
  }

  int hintPixels(int x0 = 0, int y0 = 0, int x1 = 1000, int y1 = 1000) {
    int count = 0;
    for (int y = std::max(y0, 0); y < std::min<int>(y1, display().shownHeight()); ++y) {
      for (int x = std::max(x0, 0); x < std::min<int>(x1, display().shownWidth()); ++x) {
        count += shownPixel(x, y) == kHintColour;
      }
    }
    return count;
  }
};

// H shows where the next key of a shortest solution leads, on both
// displays: level 1's solution starts "UU<", so an outline in the hint's
// colour goes round the ring two rows up, with arrowheads on every side;
// the ring's cells stay clear. The board, the cursor and the rotation stay
// as they were, and the game notes that the level was hinted. The next key
// that moves anything takes the hint away.
TEST_F(GameHintTest, HShowsTheHintWithoutChangingTheBoard) {
  for (const Display& d : kDisplays) {
    SCOPED_TRACE(d.width);
    openGame(ScreenId::NewGame, d.width, d.height);
    EXPECT_EQ(hintPixels(), 0);
    const Board before = game().board;
    pressHint();
    EXPECT_EQ(game().board.cells, before.cells);
    EXPECT_EQ(game().board.cursorX, before.cursorX);
    EXPECT_EQ(game().board.cursorY, before.cursorY);
    EXPECT_FALSE(game().rotation.rotating);
    EXPECT_TRUE(game().hintUsed);
    const Hint& hint = screen().hint();
    EXPECT_EQ(hint.key, 'U');
    EXPECT_EQ(hint.ringX, before.cursorX);
    EXPECT_EQ(hint.ringY, before.cursorY - 2);
    EXPECT_TRUE(hint.counterClockwise);
    EXPECT_EQ(hint.keys, static_cast<int>(levelSolutions()[0].size()));

    const int p = d.pitch;
    const int x = d.originX + hint.ringX * p, y = d.originY + hint.ringY * p;
    // The outline's box: the ring's four by four cells and a few pixels more.
    const int outside = hintPixels() - hintPixels(x - p - 8, y - 8, x + 3 * p + 8, y + 4 * p + 8);
    EXPECT_EQ(outside, 0);
    // Its top, left, bottom and right sides, each with an arrowhead.
    EXPECT_GT(hintPixels(x, y - 8, x + 2 * p, y), 2 * p);
    EXPECT_GT(hintPixels(x - p - 8, y + p, x - p, y + 3 * p), 2 * p);
    EXPECT_GT(hintPixels(x, y + 4 * p, x + 2 * p, y + 4 * p + 8), 2 * p);
    EXPECT_GT(hintPixels(x + 3 * p, y + p, x + 3 * p + 8, y + 3 * p), 2 * p);
    for (const RingOffset& cell : kRingOffsets) {
      const int cx = x + cell.dx * p + p / 2, cy = y + cell.dy * p + p / 2;
      EXPECT_EQ(hintPixels(cx - p / 4, cy - p / 4, cx + p / 4, cy + p / 4), 0);
    }

    // The picture checked here is the one docs/playing.md shows (docs/hint*.png).
    const std::string size = std::to_string(d.width) + "x" + std::to_string(d.height);
    std::filesystem::create_directories(std::string(BT_BINARY_DIR) + "/shots");
    EXPECT_TRUE(saveShown(std::string(BT_BINARY_DIR) + "/shots/hint" + size + ".png"));

    press(kKeyUp);
    EXPECT_EQ(screen().hint().key, 0);
    EXPECT_EQ(hintPixels(), 0);
    EXPECT_TRUE(game().hintUsed) << "the level was hinted all the same";
    app_.reset();
  }
}

// A player who only ever presses H and then the key it shows, with the
// game's own keys, solves each of the first levels in its par; a restart
// forgets that the level was hinted.
TEST_F(GameHintTest, PressingTheHintedKeysSolvesEachLevelInPar) {
  openGame(ScreenId::NewGame);
  const auto solutions = levelSolutions();
  for (int level = 0; level < 3; ++level) {
    SCOPED_TRACE(level + 1);
    const int par = static_cast<int>(solutions[static_cast<size_t>(level)].size());
    int keys = 0;
    // The first H after "Level Complete" also shows the next level.
    for (bool solved = false; !solved && keys <= par;
         solved = screen().statusText() == "Level Complete") {
      pressHint();
      ASSERT_EQ(game().board.levelIndex, level);
      const char key = screen().hint().key;
      ASSERT_NE(key, 0);
      playKeys(std::string(1, key));
      ++keys;
    }
    EXPECT_EQ(keys, par);
    EXPECT_EQ(screen().statusText(), "Level Complete");
  }
  pressHint();
  EXPECT_TRUE(game().hintUsed);
  press(kKeyStar);  // restart
  EXPECT_FALSE(game().hintUsed);
}

}  // namespace
}  // namespace bt::test
