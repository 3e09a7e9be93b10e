#include "IconArt.h"

#include "Palette.h"
#include "Style.h"

namespace bt::art {

using namespace palette;

namespace {

// The ring the markers run on and four markers one step apart around it,
// centred: the ring's radius `track` and the markers' `ball` in sub-pixels.
void drawRing(Canvas& c, int size, int64_t track, int64_t ball) {
  const int64_t full = px(size), mid = full / 2;
  Mask ring(size, size);
  addRing(ring, mid, mid, track + full / 22, track - full / 22);
  c.paint(ring, kSlotShadow);
  const Point at[4] = {
      {mid, mid - track}, {mid + track, mid}, {mid, mid + track}, {mid - track, mid}};
  for (int i = 0; i < 4; ++i) {
    if (size >= 32) {
      markerBall(c, i, at[i].x, at[i].y, ball);
    } else {
      c.paint(circleMask(size, size, at[i].x, at[i].y, ball + kSub / 2), kInk);
      c.paint(circleMask(size, size, at[i].x, at[i].y, ball), kMarker[i]);
    }
  }
}

std::vector<uint8_t> rgbaOf(const Canvas& c, int size, const Mask* shape) {
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Rgb p = c.at(x, y);
      uint8_t* q = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      q[0] = p.r, q[1] = p.g, q[2] = p.b, q[3] = shape ? shape->at(x, y) : 255;
    }
  }
  return rgba;
}

}  // namespace

std::vector<uint8_t> iconPixels(int size) {
  Canvas c(size, size, kWoodDark);
  const int64_t full = px(size), radius = full * 2 / 9;
  Mask shape = roundRectMask(size, size, 0, 0, full, full, radius);
  c.paint(shape, kInk);
  const int64_t rim = size >= 32 ? px(1) : kSub / 2;
  Mask face = roundRectMask(size, size, rim, rim, full - rim, full - rim, radius - rim);
  c.paint(face, verticalGradient(0, size, kWoodLight, kWood));
  drawRing(c, size, full * 31 / 100, size >= 32 ? full * 12 / 100 : full * 14 / 100);
  return rgbaOf(c, size, &shape);
}

std::vector<uint8_t> maskableIconPixels(int size) {
  // A launcher may cut the square to any shape that keeps the middle circle
  // of 80% of its width: the wood fills the whole square, the ring and its
  // markers stay inside that circle.
  Canvas c(size, size, kWood);
  c.paint(roundRectMask(size, size, 0, 0, px(size), px(size), 0),
          verticalGradient(0, size, kWoodLight, kWood));
  drawRing(c, size, px(size) * 24 / 100, px(size) * 10 / 100);
  return rgbaOf(c, size, nullptr);
}

std::string desktopEntry() {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Brambletop\n"
         "Comment=Turn rings of markers until each stands on its own tile\n"
         "Exec=brambletop\n"
         "Icon=brambletop\n"
         "Terminal=false\n"
         "Categories=Game;LogicGame;\n";
}

}  // namespace bt::art
