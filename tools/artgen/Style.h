#pragma once
// Drawing recipes shared by all pictures: gradients, bevelled plates, the
// glossy markers with their symbols, and titles set in the game's font.
#include <cstdint>
#include <string_view>

#include "BitmapFont.h"
#include "Canvas.h"
#include "Shapes.h"
#include "gfx/SpriteBankWriter.h"

namespace bt::art {

Paint verticalGradient(int y0, int y1, Rgb top, Rgb bottom);

// Paints the mask in base, with a light edge on its top-left and a dark edge
// on its bottom-right, `depth` pixels wide.
void bevel(Canvas& c, const Mask& shape, Rgb base, Rgb light, Rgb dark, int depth = 1);

// A plate: dark rim, brass edge, bevelled face with a vertical gradient.
void plate(Canvas& c, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius, Rgb faceTop,
           Rgb faceBottom);

// The framed panel behind option rows, help text, questions and scores,
// filling the whole canvas: dark rim, wooden frame, brass edge, flat face.
void framedPanel(Canvas& c);

// Symbols that tell the marker colours apart without hue: 0 ring, 1 square,
// 2 diamond, 3 plus; centred at (cx, cy), half-size s.
void addSymbol(Mask& m, int kind, int64_t cx, int64_t cy, int64_t s);

// The frame of a tile of colour `kind` for a cell of pitch p whose top-left
// corner is (x0, y0) (whole pixels, in sub-pixel units), leaving a disc of
// radius `clear` round the centre free for the marker: 0 a ring, 1 a square
// frame, 2 four corners round a diamond window, 3 the frame's sides without
// corners, each with a tab pointing in.
void addTileShape(Mask& m, int kind, int64_t x0, int64_t y0, int p, int64_t clear);

// A glossy marker ball of colour `kind` with its symbol; r is the ball's
// radius (a dark rim of one pixel lies outside it).
void markerBall(Canvas& c, int kind, int64_t cx, int64_t cy, int64_t r);

struct TitleStyle {
  Rgb top, bottom;  // face gradient
  Rgb outline;
  Rgb shadow;
  int outlineWidth = 1;
  int shadowOffset = 1;
};

// Text set in the font at `scale` (sub-pixel units per font pixel), with its
// capital top at y and left at x (both sub-pixel units).
void drawTitle(Canvas& c, const BitmapFont& font, std::string_view text, int64_t x, int64_t y,
               int64_t scale, const TitleStyle& style);
// Width in sub-pixel units of text at a scale (without the last spacing).
int64_t titleWidth(const BitmapFont& font, std::string_view text, int64_t scale);

SpriteImage toSprite(const Canvas& c, int anchorX = 0, int anchorY = 0, bool transparent = false);
// The rows [top, top + height) of a picture, anchored at their middle: a
// piece of a picture that the screens stack again.
SpriteImage rowBand(const Canvas& c, int top, int height);
// A 1x1 black picture for indices that nothing draws.
SpriteImage blankSprite();

}  // namespace bt::art
