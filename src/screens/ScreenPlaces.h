#pragma once
// Where each screen draws and what the pen answers to, one table per screen
// with an instance for each art set: the 176x220 display (art set 0) and the
// 240x320 one (art set 1). x values named "fromMiddle" are measured from the
// display's middle column (width / 2); everything else is in frame-buffer
// pixels unless its comment says otherwise.
#include <array>
#include <cstdint>

#include "app/HitRect.h"

namespace bt {

// The display corner a place is measured from: x from the left edge, or for
// a right corner from the right edge (negative); y likewise from the top or
// the bottom.
enum class Corner : uint8_t { TopLeft, TopRight, BottomLeft, BottomRight };

// A rectangle measured from a corner; right and bottom edges exclusive.
struct CornerRect {
  Corner corner;
  int32_t x0, x1, y0, y1;

  // The rectangle on a display of width x height, with the id a pen-down in
  // it hands to Screen::command.
  constexpr HitRect on(int32_t width, int32_t height, uint8_t id) const {
    const bool right = corner == Corner::TopRight || corner == Corner::BottomRight;
    const bool bottom = corner == Corner::BottomLeft || corner == Corner::BottomRight;
    const int32_t dx = right ? width : 0, dy = bottom ? height : 0;
    return {x0 + dx, x1 + dx, y0 + dy, y1 + dy, id};
  }
};

// The game screen.
struct GamePlaces {
  struct Line {
    int32_t x0, y0, x1, y1;  // from the top-left pixel of the cursor's cell
  };

  int32_t cellPitch;  // pixels from one cell to the next
  // The board is centred on the display's middle column. Vertically it is
  // centred on the row boardMiddleY when that is set (not 0), else its top
  // row is boardTop.
  int32_t boardMiddleY;
  int32_t boardTop;
  // The status bar stands this far above the display's bottom, and its text's
  // top row this far.
  int32_t statusBarAboveBottom;
  int32_t statusTextAboveBottom;
  // The menu and rotate buttons and the "Restart" label are drawn (the pen
  // targets answer on both art sets).
  bool buttonsShown;
  // The cursor: twelve white lines around the ring and its centre, about a
  // pixel outside them.
  std::array<Line, 12> cursorOutline;
};

inline constexpr GamePlaces kGamePlaces176x220{
    .cellPitch = 17,
    .boardMiddleY = 110,
    .boardTop = 0,
    .statusBarAboveBottom = 2,
    .statusTextAboveBottom = 15,
    .buttonsShown = false,
    .cursorOutline = {{{0, -1, 31, -1},
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
                       {32, 15, 32, 0}}},
};
inline constexpr GamePlaces kGamePlaces240x320{
    .cellPitch = 22,
    .boardMiddleY = 0,
    .boardTop = 40,
    .statusBarAboveBottom = 2,
    .statusTextAboveBottom = 22,
    .buttonsShown = true,
    .cursorOutline = {{{0, -1, 42, -1},
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
                       {43, 20, 43, 0}}},
};

// The game screen's pen targets, the same on both art sets, in the order of
// GameScreen's button ids. The menu and rotate buttons' pictures are drawn
// at their rectangles' top-left corners.
inline constexpr std::array<CornerRect, 4> kGameButtons = {{
    {Corner::TopRight, -30, -10, 10, 30},       // the main menu
    {Corner::BottomLeft, 26, 50, -50, -21},     // rotate left
    {Corner::BottomRight, -50, -26, -50, -21},  // rotate right
    {Corner::TopLeft, 8, 45, 8, 20},            // "Restart"
}};
// Where "Restart" is written, inside its pen target.
inline constexpr int32_t kRestartLabelX = 10;
inline constexpr int32_t kRestartLabelY = 10;

inline const GamePlaces& gamePlaces(int artSet) {
  return artSet == 0 ? kGamePlaces176x220 : kGamePlaces240x320;
}

}  // namespace bt
