#include "BoardArt.h"

#include "Palette.h"
#include "Style.h"
#include "art/BoardSprites.h"
#include "gfx/Colour.h"

namespace bt::art {

// The pictures' own background is the game screen's, to the bit.
static_assert(rgb565(palette::kBoard.r, palette::kBoard.g, palette::kBoard.b) == kGameBackground);

namespace {

using namespace palette;

struct CellGeometry {
  int pitch;
  int64_t markerRadius;  // the ball, without its rim
  int64_t clearRadius;   // what a tile must leave free around the centre
};

CellGeometry geometry(int pitch) {
  if (pitch <= 17) return {pitch, px(5) + kSub / 4, px(6) + kSub / 2};
  return {pitch, px(7) + kSub / 4, px(8) + kSub / 2};
}

// Black where the shape has no coverage, so keyed drawing leaves the board.
void clearOutside(Canvas& c, const Mask& shape) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (shape.at(x, y) == 0) c.set(x, y, kBlack);
}

SpriteImage cell(const CellGeometry& g, int marker) {
  const int p = g.pitch;
  Canvas c(p, p, kBoard);
  Mask slot = roundRectMask(p, p, kSub / 2, kSub / 2, px(p) - kSub / 2, px(p) - kSub / 2, px(3));
  bevel(c, slot, kSlot, kSlotShadow, kSlotLight);
  Mask deep = slot;
  deep.subtract(slot, 2, 2);
  deep.scale(35);
  c.paint(deep, kSlotShadow);
  if (marker >= 0) markerBall(c, marker, px(p) / 2, px(p) / 2, g.markerRadius);
  clearOutside(c, slot);
  c.keepVisible(slot);
  return toSprite(c, 0, 0, true);
}

SpriteImage tile(const CellGeometry& g, int kind) {
  Canvas c(g.pitch, g.pitch, kBlack);
  Mask shape(g.pitch, g.pitch);
  addTileShape(shape, kind, 0, 0, g.pitch, g.clearRadius);
  Rgb base = kMarker[kind];
  bevel(c, shape, base, mix(base, kWhite, 90), shade(base, 72));
  c.keepVisible(shape);
  return toSprite(c, 0, 0, true);
}

// A parchment plate for the black status text, centred at the top.
SpriteImage statusBar(int w, int h) {
  Canvas c(w, h, kBoard);
  const int64_t r = px(h <= 20 ? 5 : 7);
  c.paint(roundRectMask(w, h, 0, 0, px(w), px(h), r), kInk);
  bevel(c, roundRectMask(w, h, px(1), px(1), px(w - 1), px(h - 1), r - px(1)), kBrass, kBrassLight,
        kBrassDark);
  Mask face = roundRectMask(w, h, px(3), px(3), px(w - 3), px(h - 3), r - px(3));
  c.paint(face, verticalGradient(3, h - 3, mix(kParchment, kWhite, 60), kParchment));
  Mask inner = face;
  inner.subtract(face, 1, 1);
  c.paint(inner, kParchmentDark);
  return toSprite(c, w / 2, 0);
}

void buttonFace(Canvas& c) {
  plate(c, 0, 0, px(c.width()), px(c.height()), px(4), kWoodLight, kWood);
}

// Three bars: back to the main menu.
SpriteImage menuButton(int size) {
  Canvas c(size, size, kBoard);
  buttonFace(c);
  Mask bars(size, size);
  const int64_t left = px(size) * 28 / 100, right = px(size) * 72 / 100;
  const int64_t thick = px(size) / 14;
  for (int i = -1; i <= 1; ++i) {
    int64_t y = px(size) / 2 + i * px(size) * 19 / 100;
    addCapsule(bars, {left, y}, {right, y}, thick);
  }
  c.paint(bars.dilated(1), kInk);
  c.paint(bars, kCream);
  return toSprite(c);
}

// A curved arrow around the middle; clockwise or counter-clockwise.
SpriteImage rotateButton(int w, int h, bool clockwise) {
  Canvas c(w, h, kBoard);
  buttonFace(c);
  const int64_t cx = px(w) / 2, cy = px(h) / 2;
  const int64_t radius = px(w) * 28 / 100, thick = px(w) / 14 + kSub / 4;
  Mask arrow(w, h);
  // The arc leaves a gap at the top; the head sits on one of its ends and
  // points into the gap in the direction of the turn.
  addArc(arrow, cx, cy, radius + thick, radius - thick, 3584 + 120, 2560 - 120);
  const int64_t d = radius * 7071 / 10000;  // radius * cos 45
  const int sx = clockwise ? -1 : 1;
  const Point end{cx + sx * d, cy - d};
  const int64_t head = thick * 2, len = thick * 2;
  // Radial (outward) and tangent (direction of travel) unit vectors x 10000.
  const int64_t nx = sx * 7071, ny = -7071;
  const int64_t tx = -sx * 7071, ty = -7071;
  auto at = [&](int64_t along, int64_t across) {
    return Point{end.x + (tx * along + nx * across) / 10000,
                 end.y + (ty * along + ny * across) / 10000};
  };
  addPolygon(arrow, {at(len, 0), at(-len / 3, head), at(-len / 3, -head)});
  c.paint(arrow.dilated(1), kInk);
  c.paint(arrow, verticalGradient(0, h, kCream, kParchment));
  return toSprite(c);
}

}  // namespace

std::vector<SpriteImage> boardBank(int pitch) {
  const CellGeometry g = geometry(pitch);
  const bool small = pitch <= 17;
  std::vector<SpriteImage> bank(kBoardSpriteCount);
  for (uint32_t colour = 0; colour < 4; ++colour) {
    bank[kSpriteMarkerCell + colour] = cell(g, static_cast<int>(colour));
    bank[kSpriteTile + colour] = tile(g, static_cast<int>(colour));
  }
  bank[kSpriteEmptyCell] = cell(g, -1);
  bank[kSpriteStatusBar] = small ? statusBar(150, 20) : statusBar(136, 32);
  bank[kSpriteMenuButton] = menuButton(small ? 14 : 20);
  bank[kSpriteRotateLeftButton] = rotateButton(small ? 18 : 24, small ? 22 : 29, false);
  bank[kSpriteRotateRightButton] = rotateButton(small ? 18 : 24, small ? 22 : 29, true);
  return bank;
}

}  // namespace bt::art
