#include "screens/GameView.h"

#include <iterator>

#include "gfx/Blit.h"
#include "gfx/Colour.h"

namespace bt {

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
