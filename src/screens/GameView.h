#pragma once
// Draws the game into the frame buffer: the background, the board's cells
// and tiles, the plus-shaped cursor outline, the status bar with its text,
// the 240x320 layout's buttons with "Restart", and the sliding pieces of a
// rotation. It decides where each of them stands on its art set (see
// GamePlaces) and what the status line says; it holds the board pictures,
// reads the game and never changes it.
#include <cstdint>
#include <string>
#include <string_view>

#include "art/BoardSprites.h"
#include "game/HintSearch.h"
#include "game/Rules.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"
#include "gfx/SpriteBank.h"
#include "screens/ScreenPlaces.h"

namespace bt {

class GameView {
 public:
  struct Point {
    int32_t x, y;
  };

  // For art set 0 (176x220) or 1 (240x320).
  explicit GameView(int artSet) : places_(gamePlaces(artSet)) {}

  // Loads the art set's board bank (art/BoardSprites.h); false (and no
  // pictures held) when it cannot be loaded or lacks any of its pictures.
  bool load(const std::string& path);
  bool loaded() const { return bank_.count() >= kBoardSpriteCount; }
  void clear() { bank_.clear(); }

  // The text of the status line: "Level N or 72" while playing level N (its
  // levelIndex + 1), else "Level Complete" or "Game Over".
  static std::string statusText(GameStatus status, int32_t levelIndex);

  // The top-left pixel of the board's cell (0, 0) for a board of this side
  // on a display this wide.
  Point boardOrigin(int side, int32_t displayWidth) const;

  // The background filled with the game's colour and the board's cells.
  void drawBoard(FrameBuffer& fb, const Board& board) const;
  // Twelve white lines around the ring at the board's cursor.
  void drawCursor(FrameBuffer& fb, const Board& board) const;
  // The status bar and its black text; on the 240x320 art set the three
  // buttons and the white "Restart" label too.
  void drawStatus(FrameBuffer& fb, Font& font, std::string_view text) const;
  // The moves against par ("7 / par 6") in the band above the board,
  // centred, clear of the 240x320 layout's "Restart" and menu button.
  void drawMoves(FrameBuffer& fb, Font& font, std::string_view text) const;
  // A hint (none when its key is 0): a thick cyan outline around the ring it
  // turns next, outside where the cursor's outline goes, with arrowheads on
  // its sides pointing the way it turns; on the 240x320 art set, when the
  // turn is the next key, a frame around the rotate button that makes it.
  void drawHint(FrameBuffer& fb, const Board& board, const Hint& hint) const;
  // The eight pieces of the board's rotation, each as far from its ring cell
  // towards the next as the rotation's frames go: one pixel a frame on each
  // axis the piece moves along.
  void drawPieces(FrameBuffer& fb, const Board& board, const Rotation& rotation) const;

 private:
  // The top-left pixel of cell (x, y).
  Point cellPlace(const Board& board, int x, int y, int32_t displayWidth) const;

  const GamePlaces& places_;
  SpriteBank bank_;
};

}  // namespace bt
