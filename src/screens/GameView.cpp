#include "screens/GameView.h"

#include <array>
#include <iterator>

#include "gfx/Blit.h"
#include "gfx/Colour.h"

namespace bt {

namespace {

// The hint's colour, found in none of the pieces.
constexpr uint16_t kHintColour = rgb565(0, 255, 255);

// A filled arrowhead: its tip `size` pixels from (x, y) along (dx, dy), its
// base as far behind, as wide as it is long.
void drawArrowhead(FrameBuffer& fb, int32_t x, int32_t y, int32_t dx, int32_t dy, int32_t size) {
  for (int32_t back = 0; back <= 2 * size; ++back) {
    const int32_t cx = x + dx * (size - back), cy = y + dy * (size - back);
    const int32_t half = back / 2;
    fb.drawLine(cx - dy * half, cy - dx * half, cx + dy * half, cy + dx * half, kHintColour);
  }
}

}  // namespace

bool GameView::load(const std::string& path) {
  if (!bank_.load(path) || !loaded()) {
    bank_.clear();
    return false;
  }
  return true;
}

std::string GameView::statusText(GameStatus status, int32_t levelIndex) {
  switch (status) {
    case GameStatus::LevelComplete:
      return "Level Complete";
    case GameStatus::GameOver:
      return "Game Over";
    case GameStatus::Solved:
      return "Solved";
    case GameStatus::Playing:
      break;
  }
  return "Level " + std::to_string(int64_t{levelIndex} + 1) + " or " + std::to_string(kLevelCount);
}

GameView::Point GameView::boardOrigin(int side, int32_t displayWidth) const {
  const int32_t halfBoard = places_.cellPitch * side / 2;
  const int32_t top =
      places_.boardMiddleY != 0 ? places_.boardMiddleY - halfBoard : places_.boardTop;
  return {displayWidth / 2 - halfBoard, top};
}

GameView::Point GameView::cellPlace(const Board& board, int x, int y, int32_t displayWidth) const {
  const Point origin = boardOrigin(board.side, displayWidth);
  return {origin.x + x * places_.cellPitch, origin.y + y * places_.cellPitch};
}

void GameView::drawBoard(FrameBuffer& fb, const Board& board) const {
  fb.fill(kGameBackground);
  if (!board.isSetUp()) return;
  for (int y = 0; y < board.side; ++y) {
    for (int x = 0; x < board.side; ++x) {
      const uint8_t marker = board.marker(x, y);
      if (marker == cellOutside) continue;
      const Point place = cellPlace(board, x, y, fb.width());
      blitKeyedClipped(
          bank_.sprite(marker < kColourCount ? kSpriteMarkerCell + marker : kSpriteEmptyCell), fb,
          place.x, place.y, false);
      const uint8_t tile = board.tile(x, y);
      if (tile != cellEmpty)
        blitKeyedClipped(bank_.sprite(kSpriteTile + tile), fb, place.x, place.y, false);
    }
  }
}

void GameView::drawCursor(FrameBuffer& fb, const Board& board) const {
  if (!board.isSetUp()) return;
  const Point cell = cellPlace(board, board.cursorX, board.cursorY, fb.width());
  for (const GamePlaces::Line& line : places_.cursorOutline) {
    fb.drawLine(cell.x + line.x0, cell.y + line.y0, cell.x + line.x1, cell.y + line.y1, kWhite);
  }
}

void GameView::drawMoves(FrameBuffer& fb, Font& font, std::string_view text) const {
  font.setColour(kWhite);
  font.drawTextCentred(places_.buttonsShown ? kRestartLabelY : 3, text, fb);
}

void GameView::drawHint(FrameBuffer& fb, const Board& board, const Hint& hint) const {
  if (!board.isSetUp() || hint.key == 0) return;
  const int32_t p = places_.cellPitch;
  const Point ring = cellPlace(board, hint.ringX, hint.ringY, fb.width());
  // The ring and its centre make a plus: two columns of four cells across
  // two rows of four cells. Its edges: l, r (exclusive) the column pair's,
  // left and right (exclusive) the rows'; top and bottom (exclusive) the
  // columns', t and b (exclusive) the row pair's.
  const int32_t l = ring.x, r = ring.x + 2 * p, left = ring.x - p, right = ring.x + 3 * p;
  const int32_t top = ring.y, t = ring.y + p, b = ring.y + 3 * p, bottom = ring.y + 4 * p;
  const int32_t first = places_.hintMargin;
  for (int32_t m = first; m < first + places_.hintThickness; ++m) {
    const std::array<Point, 12> corners = {{{l - m, top - m},
                                            {r - 1 + m, top - m},
                                            {r - 1 + m, t - m},
                                            {right - 1 + m, t - m},
                                            {right - 1 + m, b - 1 + m},
                                            {r - 1 + m, b - 1 + m},
                                            {r - 1 + m, bottom - 1 + m},
                                            {l - m, bottom - 1 + m},
                                            {l - m, b - 1 + m},
                                            {left - m, b - 1 + m},
                                            {left - m, t - m},
                                            {l - m, t - m}}};
    for (size_t k = 0; k < corners.size(); ++k) {
      const Point from = corners[k], to = corners[(k + 1) % corners.size()];
      fb.drawLine(from.x, from.y, to.x, to.y, kHintColour);
    }
  }
  // Turning left (counter-clockwise) the top side moves left, the left side
  // down, the bottom side right and the right side up.
  const int32_t way = hint.counterClockwise ? 1 : -1;
  const int32_t middleX = (l + r - 1) / 2, middleY = (t + b - 1) / 2;
  const int32_t size = places_.hintArrow;
  drawArrowhead(fb, middleX, top - first, -way, 0, size);
  drawArrowhead(fb, left - first, middleY, 0, way, size);
  drawArrowhead(fb, middleX, bottom - 1 + first, way, 0, size);
  drawArrowhead(fb, right - 1 + first, middleY, 0, -way, size);
  const bool turnsNow = hint.key == '<' || hint.key == '>';
  if (!places_.buttonsShown || !turnsNow) return;
  const uint8_t button = hint.counterClockwise ? 1 : 2;  // kGameButtons: rotate left, right
  const HitRect place = kGameButtons[button].on(fb.width(), fb.height(), 0);
  for (int32_t m = first; m < first + places_.hintThickness; ++m) {
    const int32_t x0 = place.x0 - m, x1 = place.x1 - 1 + m, y0 = place.y0 - m,
                  y1 = place.y1 - 1 + m;
    fb.drawLine(x0, y0, x1, y0, kHintColour);
    fb.drawLine(x1, y0, x1, y1, kHintColour);
    fb.drawLine(x1, y1, x0, y1, kHintColour);
    fb.drawLine(x0, y1, x0, y0, kHintColour);
  }
}

void GameView::drawStatus(FrameBuffer& fb, Font& font, std::string_view text) const {
  const int32_t w = fb.width();
  const int32_t h = fb.height();
  const Sprite* bar = bank_.sprite(kSpriteStatusBar);
  if (bar) {
    blitOpaqueClipped(bar, fb, w / 2, h - bar->height - places_.statusBarAboveBottom, true);
  }
  font.setColour(kBlack);
  font.drawTextCentred(h - places_.statusTextAboveBottom, text, fb);
  if (!places_.buttonsShown || !loaded()) return;
  constexpr uint32_t kButtonPictures[] = {kSpriteMenuButton, kSpriteRotateLeftButton,
                                          kSpriteRotateRightButton};
  for (size_t i = 0; i < std::size(kButtonPictures); ++i) {
    const HitRect place = kGameButtons[i].on(w, h, 0);
    blitOpaqueClipped(bank_.sprite(kButtonPictures[i]), fb, place.x0, place.y0, true);
  }
  font.setColour(kWhite);
  font.drawText(kRestartLabelX, kRestartLabelY, "Restart", fb);
}

void GameView::drawPieces(FrameBuffer& fb, const Board& board, const Rotation& rotation) const {
  const int frames = rotation.animFrame;
  for (size_t k = 0; k < kRingSize; ++k) {
    const RingOffset from = kRingOffsets[k];
    const RingOffset to = kRingOffsets[nextRingPosition(rotation, k)];
    const Point start =
        cellPlace(board, rotation.cursorX + from.dx, rotation.cursorY + from.dy, fb.width());
    const uint8_t colour = rotation.pieces[k].colour;
    const uint32_t picture = colour < kColourCount ? kSpriteMarkerCell + colour : kSpriteEmptyCell;
    blitKeyedClipped(bank_.sprite(picture), fb, start.x + frames * (to.dx - from.dx),
                     start.y + frames * (to.dy - from.dy), false);
  }
}

}  // namespace bt
