#pragma once
// Where the endless mode's pictures stand, one table per art set (176x220,
// 240x320), as ScreenPlaces.h has them for the phone's screens: the level
// select's row of "random" and "daily", the random puzzle screen's rows,
// and the game screen's picture while a puzzle is made and after it is
// solved.
#include <cstdint>

#include "screens/ScreenPlaces.h"

namespace bt {

struct PuzzlePlaces {
  // The level select: its grid's cells below the title, and the entries' row
  // below the grid (the interface's button picture, this far apart), then
  // the line about the selection; at the bottom the soft keys' captions.
  int32_t gridBelowTitle;  // from the title's bottom row to the grid's top
  int32_t levelCell;
  int32_t entriesBelowGrid;  // from the grid's bottom to the buttons' top
  int32_t entriesGap;        // between the two buttons
  int32_t detailsBelowEntries;
  int32_t captionAboveBottom;  // from the captions' line to the display's bottom
  int32_t captionInset;        // from the display's sides
  int32_t captionBandAbove;    // their pen band starts this far above the line
  // The random puzzle screen: rows of a label and a value like the
  // options', then the lines about typing an id.
  int32_t firstRowY;
  int32_t rowPitch;
  int32_t labelFromMiddle;
  int32_t valueFromMiddle;
  int32_t noteY;              // the lines under the rows
  ButtonCaption playCaption;  // "PLAY" on the right button
  // The game screen: the bar that shows the work while a puzzle is made
  // (centred, its top this far above the display's middle), and the box
  // with the result after a solve (centred on the board).
  int32_t barWidth;
  int32_t barHeight;
  int32_t resultWidth;
  int32_t resultPadding;
};

inline constexpr PuzzlePlaces kPuzzlePlaces176x220{
    .gridBelowTitle = 4,
    .levelCell = 17,
    .entriesBelowGrid = 3,
    .entriesGap = 4,
    .detailsBelowEntries = 3,
    .captionAboveBottom = 1,
    .captionInset = 2,
    .captionBandAbove = 5,
    .firstRowY = 44,
    .rowPitch = 16,
    .labelFromMiddle = -60,
    .valueFromMiddle = 0,
    .noteY = 132,
    .playCaption = {true, 0, -2},
    .barWidth = 120,
    .barHeight = 8,
    .resultWidth = 164,
    .resultPadding = 6,
};
inline constexpr PuzzlePlaces kPuzzlePlaces240x320{
    .gridBelowTitle = 8,
    .levelCell = 24,
    .entriesBelowGrid = 4,
    .entriesGap = 8,
    .detailsBelowEntries = 5,
    .captionAboveBottom = 1,
    .captionInset = 2,
    .captionBandAbove = 5,
    .firstRowY = 58,
    .rowPitch = 18,
    .labelFromMiddle = -80,
    .valueFromMiddle = 0,
    .noteY = 170,
    .playCaption = {true, 0, -4},
    .barWidth = 160,
    .barHeight = 10,
    .resultWidth = 200,
    .resultPadding = 8,
};

inline const PuzzlePlaces& puzzlePlaces(int artSet) {
  return artSet == 0 ? kPuzzlePlaces176x220 : kPuzzlePlaces240x320;
}

}  // namespace bt
