#include "screens/GameView.h"

#include <array>

#include "gfx/Blit.h"
#include "gfx/Colour.h"

namespace bt {

namespace {

struct Line {
  int x0, y0, x1, y1;  // from the top-left pixel of the ring's first cell
};

// The outline of the ring's eight cells and its centre, one pixel outside
// them, for cell pitches 17 and 22.
constexpr std::array<Line, 12> kSmallCursor = {{
    {0, -1, 31, -1},
    {-1, 0, -1, 15},
    {-2, 16, -17, 16},
    {-18, 17, -18, 48},
    {-17, 49, -2, 49},
    {-1, 50, -1, 65},
    {0, 66, 31, 66},
    {32, 65, 32, 51},
    {33, 50, 48, 50},
    {49, 49, 49, 17},
    {48, 16, 33, 16},
    {32, 15, 32, 0},
}};
constexpr std::array<Line, 12> kLargeCursor = {{
    {0, -1, 42, -1},
    {-1, 0, -1, 21},
    {-2, 22, -21, 22},
    {-22, 23, -22, 64},
    {-21, 65, -2, 65},
    {-1, 66, -1, 86},
    {0, 87, 43, 87},
    {43, 86, 43, 66},
    {45, 65, 64, 65},
    {65, 64, 65, 22},
    {64, 21, 44, 21},
    {43, 20, 43, 0},
}};

}  // namespace

bool GameView::load(const std::string& path) {
  if (!bank_.load(path) || !loaded()) {
    bank_.clear();
    return false;
  }
  return true;
}

void GameView::drawBoard(FrameBuffer& fb, const Board& board) const {
  fb.fill(kGameBackground);
  if (!board.isSetUp()) return;
  const int pitch = cellPitch(board.layout.artSet);
  for (int y = 0; y < board.side; ++y) {
    for (int x = 0; x < board.side; ++x) {
      const uint8_t marker = board.marker(x, y);
      if (marker == cellOutside) continue;
      const int32_t px = board.originX + x * pitch;
      const int32_t py = board.originY + y * pitch;
      blitKeyedClipped(bank_.sprite(marker < kColourCount ? marker : kEmptyCellPicture), fb, px, py,
                       false);
      const uint8_t tile = board.tile(x, y);
      if (tile != cellEmpty) blitKeyedClipped(bank_.sprite(tile + 4u), fb, px, py, false);
    }
  }
}

void GameView::drawCursor(FrameBuffer& fb, const Board& board) const {
  if (!board.isSetUp()) return;
  const int pitch = cellPitch(board.layout.artSet);
  const int32_t x = board.originX + board.cursorX * pitch;
  const int32_t y = board.originY + board.cursorY * pitch;
  for (const Line& line : board.layout.artSet == 0 ? kSmallCursor : kLargeCursor) {
    fb.drawLine(x + line.x0, y + line.y0, x + line.x1, y + line.y1, kWhite);
  }
}

void GameView::drawStatus(FrameBuffer& fb, Font& font, int artSet, std::string_view text) const {
  const int32_t w = fb.width();
  const int32_t h = fb.height();
  const Sprite* bar = bank_.sprite(kStatusBarPicture);
  if (bar) blitOpaqueClipped(bar, fb, w / 2, h - bar->height - 2, true);
  font.setColour(kBlack);
  font.drawTextCentred(artSet == 0 ? h - 15 : h - 22, text, fb);
  if (artSet == 0 || !loaded()) return;
  blitOpaqueClipped(bank_.sprite(kMenuButtonPicture), fb, w - 30, 10, true);
  blitOpaqueClipped(bank_.sprite(kRotateLeftPicture), fb, 26, h - 50, true);
  blitOpaqueClipped(bank_.sprite(kRotateRightPicture), fb, w - 50, h - 50, true);
  font.setColour(kWhite);
  font.drawText(10, 10, "Restart", fb);
}

void GameView::drawPieces(FrameBuffer& fb, const Rotation& rotation) const {
  for (const RotationPiece& piece : rotation.pieces) {
    const uint32_t picture = piece.colour < kColourCount ? piece.colour : kEmptyCellPicture;
    blitKeyedClipped(bank_.sprite(picture), fb, piece.x, piece.y, false);
  }
}

}  // namespace bt
