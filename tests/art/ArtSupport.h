#pragma once
// Where the generated art is and where a picture lands when drawn.
#include <ostream>
#include <string>

#include "gfx/Sprite.h"

namespace bt::test {

inline std::string artFile(const std::string& name) {
  return std::string(BT_ART_DIR) + "/" + name;
}

// The rectangle a sprite covers when drawn at (x, y); right and bottom
// exclusive.
struct Box {
  int left, top, right, bottom;
  bool inside(int w, int h) const { return left >= 0 && top >= 0 && right <= w && bottom <= h; }
};

inline Box placed(const Sprite& s, int x, int y, bool anchored = true) {
  const int left = anchored ? x + s.offsetX - s.anchorX : x;
  const int top = anchored ? y + s.offsetY - s.anchorY : y;
  return {left, top, left + s.width, top + s.height};
}

struct DisplaySize {
  int w, h;
  const char* suffix;
  bool small() const { return w == 176; }
  int artSet() const { return small() ? 0 : 1; }
};

inline void PrintTo(const DisplaySize& d, std::ostream* os) {
  *os << d.suffix;
}

inline constexpr DisplaySize kDisplays[2] = {{176, 220, "176x220"}, {240, 320, "240x320"}};

}  // namespace bt::test
