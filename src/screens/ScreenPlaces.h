#pragma once
// Where each screen draws and what the pen answers to, one table per screen
// with an instance for each art set: the 176x220 display (art set 0) and the
// 240x320 one (art set 1). x values named "fromMiddle" are measured from the
// display's middle column (width / 2); everything else is in frame-buffer
// pixels unless its comment says otherwise. Speeds are pixels a frame.
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
  // Pixels between the status bar's bottom and the display's, and from the
  // status text's top row down to the display's bottom.
  int32_t statusBarAboveBottom;
  int32_t statusTextAboveBottom;
  // The menu and rotate buttons and the "Restart" label are drawn (the pen
  // targets answer on both art sets).
  bool buttonsShown;
  // The cursor: twelve white lines around the ring and its centre, about a
  // pixel outside them.
  std::array<Line, 12> cursorOutline;
  // A hint: a thicker outline around its ring, this many pixels outside the
  // ring's cells and this thick, with a filled arrowhead of this size on each
  // of its four outer sides pointing the way the ring turns.
  int32_t hintMargin;
  int32_t hintThickness;
  int32_t hintArrow;
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
    .hintMargin = 2,
    .hintThickness = 2,
    .hintArrow = 4,
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
    .hintMargin = 2,
    .hintThickness = 2,
    .hintArrow = 5,
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

// A soft key's caption on its sliding button: the text's top-left corner
// (dx, dy) from the button's middle, or, when centred, the text centred on
// the button's middle with its top dy from it.
struct ButtonCaption {
  bool centred;
  int32_t dx, dy;
};

// The main menu and the panel screens (options, help, confirmation): how
// their pictures slide in and where the panel's parts come to rest. Rows and
// buttons are measured in the interface bank's title and button heights.
struct InterfacePlaces {
  int32_t titleSpeed;        // the title drops in this many pixels a frame
  int32_t rowSpeed;          // rows come in from the sides this fast
  int32_t cursorFromMiddle;  // the menu's cursors stand this far beside the middle
  int panelRows;             // the panel: top, middle rows, bottom
  // The buttons' row: half a title height, then buttonRowTitles title
  // heights, less buttonRowLift button heights, down from the top. The tap
  // bands lie 10 pixels above and below it.
  int32_t buttonRowTitles;
  int32_t buttonRowLift;
  int32_t buttonRestFromRow;  // the buttons rise from below and rest here
  // The help's paragraphs and the confirmation's question.
  int32_t textFromMiddle;
  int32_t textTop;
  int32_t paragraphGap;       // the help's second paragraph, below the first
  ButtonCaption doneCaption;  // "DONE" on the left button (options, help)
};

inline constexpr InterfacePlaces kInterfacePlaces176x220{
    .titleSpeed = 8,
    .rowSpeed = 12,
    .cursorFromMiddle = 64,
    .panelRows = 5,
    .buttonRowTitles = 6,
    .buttonRowLift = 0,
    .buttonRestFromRow = -6,
    .textFromMiddle = -62,
    .textTop = 44,
    .paragraphGap = 64,
    .doneCaption = {false, -10, -2},
};
inline constexpr InterfacePlaces kInterfacePlaces240x320{
    .titleSpeed = 2,
    .rowSpeed = 12,
    .cursorFromMiddle = 88,
    .panelRows = 6,
    .buttonRowTitles = 8,
    .buttonRowLift = 2,
    .buttonRestFromRow = 4,
    .textFromMiddle = -86,
    .textTop = 55,
    .paragraphGap = 64,
    .doneCaption = {false, -12, -4},
};

inline const InterfacePlaces& interfacePlaces(int artSet) {
  return artSet == 0 ? kInterfacePlaces176x220 : kInterfacePlaces240x320;
}

// The options: nine rows of a label and its value; a row's tap band is the
// display's width and one row pitch high.
struct OptionsPlaces {
  int32_t firstRowY;
  int32_t rowPitch;
  int32_t labelFromMiddle;
  int32_t valueFromMiddle;
  ButtonCaption changeCaption;  // "CHANGE" on the right button
};

inline constexpr OptionsPlaces kOptionsPlaces176x220{
    .firstRowY = 44,
    .rowPitch = 16,
    .labelFromMiddle = -60,
    .valueFromMiddle = 30,
    .changeCaption = {false, -14, -2},
};
inline constexpr OptionsPlaces kOptionsPlaces240x320{
    .firstRowY = 58,
    .rowPitch = 16,
    .labelFromMiddle = -80,
    .valueFromMiddle = 35,
    .changeCaption = {false, -18, -4},
};

inline const OptionsPlaces& optionsPlaces(int artSet) {
  return artSet == 0 ? kOptionsPlaces176x220 : kOptionsPlaces240x320;
}

// The new-game confirmation's captions; its question stands where the help's
// text does.
struct ConfirmPlaces {
  ButtonCaption yesCaption;
  ButtonCaption noCaption;
};

inline constexpr ConfirmPlaces kConfirmPlaces176x220{
    .yesCaption = {true, 0, -2},
    .noCaption = {true, 0, -2},
};
inline constexpr ConfirmPlaces kConfirmPlaces240x320{
    .yesCaption = {false, -8, -4},
    .noCaption = {false, -6, -4},
};

inline const ConfirmPlaces& confirmPlaces(int artSet) {
  return artSet == 0 ? kConfirmPlaces176x220 : kConfirmPlaces240x320;
}

// The score table, text only: the same places on both art sets.
struct ScoreTablePlaces {
  int32_t firstRowY;
  int32_t rowPitch;
  int32_t nameFromMiddle;
  int32_t scoreFromMiddle;
  int32_t captionY;
  int32_t leftCaptionX;   // "DONE"
  int32_t rightCaptionX;  // "FETCH" or "SUBMIT"
  // A tap from here to the bottom edge presses the soft key of its half.
  int32_t captionBandTop;
};

inline constexpr ScoreTablePlaces kScoreTablePlaces{
    .firstRowY = 48,
    .rowPitch = 16,
    .nameFromMiddle = -70,
    .scoreFromMiddle = 30,
    .captionY = 208,
    .leftCaptionX = 34,
    .rightCaptionX = 120,
    .captionBandTop = 208,  // under the ten rows
};

// The online score screen, laid out for the 176-pixel display and centred on
// the wider one. Items slide from where they start to where they rest at
// their speed; "fromMiddle" x values are measured from the display's middle.
struct OnlineScorePlaces {
  int32_t titleY;  // the title and its ornaments drop from -titleY to here
  int32_t titleSpeed;
  int32_t ornamentFromMiddle;  // left and right of the title
  int32_t ornamentSpeed;
  int32_t chainY;
  int32_t leftChainFromMiddle;
  int32_t rightChainFromMiddle;
  // Chains and panel rows come in from this far beyond the display's sides.
  int32_t startBeyondSide;
  int32_t rowSpeed;
  int32_t panelTopY;
  int32_t firstRowY;
  int32_t rowPitch;
  int panelRows;  // between the top and the bottom edge
  int32_t panelBottomY;
  int32_t panelInsideFromMiddle;  // the panel's inside ends here on the right
  int32_t buttonFromMiddle;       // left and right
  int32_t buttonStartY;
  int32_t buttonY;
  int32_t buttonSpeed;
  // The three steps: each name's top-left corner and its marker's middle.
  int32_t stepFromMiddle;
  int32_t markerFromMiddle;
  std::array<int32_t, 3> stepY;
  std::array<int32_t, 3> markerY;
  // Status lines start here; a line that would run over the panel's inside
  // is centred on the display instead.
  int32_t statusFromMiddle;
  int32_t statusY;
  // Captions: centred on their buttons, or at these fixed places.
  int32_t captionY;
  bool captionsCentred;
  int32_t doneX;
  int32_t connectX;
  int32_t stopX;
  // A tap from here to the bottom edge presses the soft key of its half.
  int32_t captionBandTop;
};

inline constexpr OnlineScorePlaces kOnlineScorePlaces176x220{
    .titleY = 19,
    .titleSpeed = 12,
    .ornamentFromMiddle = 79,
    .ornamentSpeed = 8,
    .chainY = 42,
    .leftChainFromMiddle = -62,
    .rightChainFromMiddle = 60,
    .startBeyondSide = 176,
    .rowSpeed = 12,
    .panelTopY = 52,
    .firstRowY = 68,
    .rowPitch = 16,
    .panelRows = 8,
    .panelBottomY = 196,
    .panelInsideFromMiddle = 78,
    .buttonFromMiddle = 46,
    .buttonStartY = 225,
    .buttonY = 212,
    .buttonSpeed = 12,
    .stepFromMiddle = -45,
    .markerFromMiddle = -55,
    .stepY = {60, 90, 120},
    .markerY = {68, 98, 128},
    .statusFromMiddle = -60,
    .statusY = 170,
    .captionY = 208,
    .captionsCentred = false,
    .doneX = 34,
    .connectX = 115,
    .stopX = 122,
    .captionBandTop = 204,  // the buttons' tops
};
// The same, but the ornaments drop faster and the captions are centred on
// their buttons (the fixed places are the middle of the narrow display's
// buttons only).
inline constexpr OnlineScorePlaces kOnlineScorePlaces240x320 = [] {
  OnlineScorePlaces places = kOnlineScorePlaces176x220;
  places.ornamentSpeed = 12;
  places.captionsCentred = true;
  return places;
}();

inline const OnlineScorePlaces& onlineScorePlaces(int artSet) {
  return artSet == 0 ? kOnlineScorePlaces176x220 : kOnlineScorePlaces240x320;
}

}  // namespace bt
