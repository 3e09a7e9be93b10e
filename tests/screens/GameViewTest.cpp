// Where the game view puts the board and the sliding pieces, and what the
// status line says.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "screens/GameView.h"

namespace bt {
namespace {

TEST(GameViewTest, StatusTextNamesTheLevelCountedFromOne) {
  struct Case {
    GameStatus status;
    int32_t levelIndex;
    const char* text;
  };
  const Case cases[] = {
      {GameStatus::Playing, 0, "Level 1 or 72"},
      {GameStatus::Playing, 4, "Level 5 or 72"},
      {GameStatus::Playing, 71, "Level 72 or 72"},
      {GameStatus::Playing, INT32_MAX, "Level 2147483648 or 72"},
      {GameStatus::LevelComplete, 1, "Level Complete"},
      {GameStatus::GameOver, 72, "Game Over"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(GameView::statusText(c.status, c.levelIndex), c.text);
  }
}

TEST(GameViewTest, TheBoardIsCentredOnBothDisplays) {
  struct Case {
    int side;
    GameView::Point small, large;  // origins at 176x220 and 240x320
  };
  const Case cases[] = {
      {5, {46, 68}, {65, 40}}, {6, {37, 59}, {54, 40}}, {7, {29, 51}, {43, 40}},
      {8, {20, 42}, {32, 40}}, {9, {12, 34}, {21, 40}}, {10, {3, 25}, {10, 40}},
  };
  const GameView small(0), large(1);
  for (const Case& c : cases) {
    SCOPED_TRACE("side " + std::to_string(c.side));
    EXPECT_EQ(small.boardOrigin(c.side, 176).x, c.small.x);
    EXPECT_EQ(small.boardOrigin(c.side, 176).y, c.small.y);
    EXPECT_EQ(large.boardOrigin(c.side, 240).x, c.large.x);
    EXPECT_EQ(large.boardOrigin(c.side, 240).y, c.large.y);
  }
}

// Each piece leaves its ring cell of level 1 (side 10, cursor (4, 3)) and
// moves one pixel a frame on each axis towards the next cell of the turn,
// for all of the 17 frames.
TEST(GameViewTest, PiecesSlideOnePixelPerFrameTowardsTheNextCell) {
  struct Cell {
    int x, y;
  };
  constexpr std::array<Cell, kRingSize> kLevelOneRing = {
      {{4, 3}, {3, 4}, {3, 5}, {4, 6}, {5, 6}, {6, 5}, {6, 4}, {5, 3}}};
  struct Display {
    int artSet;
    int32_t width, height, pitch;
    GameView::Point origin;
    const char* bank;
  };
  const Display displays[] = {{0, 176, 220, 17, {3, 25}, "board176x220"},
                              {1, 240, 320, 22, {10, 40}, "board240x320"}};
  for (const Display& d : displays) {
    GameView view(d.artSet);
    SpriteBank bank;
    ASSERT_TRUE(view.load(std::string(BT_BINARY_DIR) + "/bin/Game_Sprite/" + d.bank + ".spr"));
    ASSERT_TRUE(bank.load(std::string(BT_BINARY_DIR) + "/bin/Game_Sprite/" + d.bank + ".spr"));
    for (bool counterClockwise : {true, false}) {
      Game game;
      startNewGame(game);
      startRotation(game, counterClockwise);
      for (int frame = 1; frame <= kRotationFrames; ++frame) {
        SCOPED_TRACE(::testing::Message()
                     << d.width << (counterClockwise ? " ccw" : " cw") << " frame " << frame);
        stepRotation(game);
        FrameBuffer shown(d.width, d.height), expected(d.width, d.height);
        view.drawPieces(shown, game.board, game.rotation);
        for (size_t k = 0; k < kRingSize; ++k) {
          const Cell from = kLevelOneRing[k];
          const Cell to =
              kLevelOneRing[counterClockwise ? (k + 1) % kRingSize : (k + 7) % kRingSize];
          const uint8_t colour = game.rotation.pieces[k].colour;
          blitKeyedClipped(bank.sprite(colour < kColourCount ? colour : 8), expected,
                           d.origin.x + from.x * d.pitch + frame * (to.x - from.x),
                           d.origin.y + from.y * d.pitch + frame * (to.y - from.y), false);
        }
        ASSERT_EQ(std::vector<uint16_t>(shown.pixels(), shown.pixels() + d.width * d.height),
                  std::vector<uint16_t>(expected.pixels(), expected.pixels() + d.width * d.height));
      }
    }
  }
}

}  // namespace
}  // namespace bt
