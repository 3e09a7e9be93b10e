#include "Ornaments.h"

#include <algorithm>

#include "Palette.h"
#include "Style.h"

namespace bt::art {

using namespace palette;

void drawLeaf(Canvas& c, Point base, Point tip, int64_t halfWidth) {
  const int64_t dx = tip.x - base.x, dy = tip.y - base.y;
  const int64_t length = std::max<int64_t>(1, isqrt(dx * dx + dy * dy));
  const int64_t half = length / 2;
  // Two circles through base and tip whose overlap is the leaf.
  const int64_t radius =
      (half * half + halfWidth * halfWidth) / (2 * std::max<int64_t>(1, halfWidth));
  const int64_t shift = radius - halfWidth;
  const Point mid{(base.x + tip.x) / 2, (base.y + tip.y) / 2};
  const Point a{mid.x - dy * shift / length, mid.y + dx * shift / length};
  const Point b{mid.x + dy * shift / length, mid.y - dx * shift / length};
  Mask leaf(c.width(), c.height());
  leaf.addShape(
      [=](int64_t x, int64_t y) {
        return (x - a.x) * (x - a.x) + (y - a.y) * (y - a.y) <= radius * radius &&
               (x - b.x) * (x - b.x) + (y - b.y) * (y - b.y) <= radius * radius;
      },
      static_cast<int>(std::min(base.x, tip.x) / kSub) - 4,
      static_cast<int>(std::min(base.y, tip.y) / kSub) - 4,
      static_cast<int>(std::max(base.x, tip.x) / kSub) + 5,
      static_cast<int>(std::max(base.y, tip.y) / kSub) + 5);
  c.paint(leaf.dilated(1), kLeafDark);
  int top = static_cast<int>(std::min(base.y, tip.y) / kSub),
      bottom = static_cast<int>(std::max(base.y, tip.y) / kSub);
  c.paint(leaf, verticalGradient(top, bottom + 1, kLeafLight, kLeaf));
  Mask rib(c.width(), c.height());
  addCapsule(rib, base, {base.x + dx * 3 / 4, base.y + dy * 3 / 4}, kSub / 4);
  rib.scale(70);
  c.paint(rib, kLeafDark);
}

void drawBerry(Canvas& c, int64_t cx, int64_t cy, int64_t r) {
  const int64_t d = r * 52 / 100, small = r * 44 / 100;
  // Centre plus six around it (60 degree steps: cos 0.5, sin 0.866).
  const Point at[7] = {{cx, cy},
                       {cx + d, cy},
                       {cx + d / 2, cy + d * 866 / 1000},
                       {cx - d / 2, cy + d * 866 / 1000},
                       {cx - d, cy},
                       {cx - d / 2, cy - d * 866 / 1000},
                       {cx + d / 2, cy - d * 866 / 1000}};
  Mask all(c.width(), c.height());
  for (const Point& p : at) addCircle(all, p.x, p.y, small + kSub / 4);
  c.paint(all.dilated(1), kBerryDark);
  const int order[7] = {3, 4, 2, 0, 1, 5, 6};  // lower drupelets first
  for (int i : order) {
    const Point p = at[i];
    c.paint(circleMask(c.width(), c.height(), p.x, p.y, small + kSub / 4), kBerryDark);
    c.paint(circleMask(c.width(), c.height(), p.x, p.y, small), kBerry);
    Mask glint =
        circleMask(c.width(), c.height(), p.x - small / 3, p.y - small / 3, small * 45 / 100);
    glint.scale(80);
    c.paint(glint, kBerryLight);
  }
}

void drawSprig(Canvas& c, Point root, bool towardsRight, int64_t size) {
  const int64_t s = towardsRight ? 1 : -1;
  const Point bend{root.x + s * size * 45 / 100, root.y - size * 10 / 100};
  const Point end{root.x + s * size * 80 / 100, root.y + size * 5 / 100};
  Mask stem(c.width(), c.height());
  const int64_t thick = std::max<int64_t>(kSub / 2, size / 28);
  addCapsule(stem, root, bend, thick);
  addCapsule(stem, bend, end, thick);
  c.paint(stem.dilated(1), kLeafDark);
  c.paint(stem, kWoodLight);
  drawLeaf(c, bend, {bend.x + s * size * 12 / 100, bend.y - size * 42 / 100}, size * 11 / 100);
  drawLeaf(c, {root.x + s * size * 20 / 100, root.y - size * 4 / 100},
           {root.x + s * size * 28 / 100, root.y + size * 34 / 100}, size * 10 / 100);
  drawBerry(c, end.x, end.y, size * 15 / 100);
}

}  // namespace bt::art
