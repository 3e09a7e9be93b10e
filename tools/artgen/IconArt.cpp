#include "IconArt.h"

#include "Palette.h"
#include "Style.h"

namespace bt::art {

using namespace palette;

std::vector<uint8_t> iconPixels(int size) {
  Canvas c(size, size, kWoodDark);
  const int64_t full = px(size), radius = full * 2 / 9;
  Mask shape = roundRectMask(size, size, 0, 0, full, full, radius);
  c.paint(shape, kInk);
  const int64_t rim = size >= 32 ? px(1) : kSub / 2;
  Mask face = roundRectMask(size, size, rim, rim, full - rim, full - rim, radius - rim);
  c.paint(face, verticalGradient(0, size, kWoodLight, kWood));
  // The ring the markers run on.
  const int64_t mid = full / 2, track = full * 31 / 100;
  Mask ring(size, size);
  addRing(ring, mid, mid, track + full / 22, track - full / 22);
  c.paint(ring, kSlotShadow);
  // Four markers, one step apart around the ring.
  const int64_t ball = size >= 32 ? full * 12 / 100 : full * 14 / 100;
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
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Rgb p = c.at(x, y);
      uint8_t* q = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      q[0] = p.r, q[1] = p.g, q[2] = p.b, q[3] = shape.at(x, y);
    }
  }
  return rgba;
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
