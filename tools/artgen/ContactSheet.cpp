#include "ContactSheet.h"

#include <algorithm>

#include "platform/png/PngCodec.h"

namespace bt::art {

bool writeContactSheet(const std::string& path, const std::vector<SpriteImage>& sprites, int zoom) {
  // Pictures flow left to right in rows no wider than maxWidth.
  const int gap = 4, maxWidth = 1000;
  struct Place {
    int x, y;
  };
  std::vector<Place> places;
  int x = gap, y = gap, rowHeight = 0, w = 1, h = 1;
  for (const SpriteImage& s : sprites) {
    const int sw = s.width * zoom, sh = s.height * zoom;
    if (x > gap && x + sw + gap > maxWidth) {
      x = gap;
      y += rowHeight + gap;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += sw + gap;
    rowHeight = std::max(rowHeight, sh);
    w = std::max(w, x);
    h = std::max(h, y + rowHeight + gap);
  }
  std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4, 0);
  auto put = [&](int px, int py, uint8_t r, uint8_t g, uint8_t b) {
    uint8_t* p = &rgba[(static_cast<size_t>(py) * w + px) * 4];
    p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
  };
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) put(px, py, 128, 128, 128);
  for (size_t i = 0; i < sprites.size(); ++i) {
    const SpriteImage& s = sprites[i];
    for (int sy = 0; sy < s.height * zoom; ++sy) {
      for (int sx = 0; sx < s.width * zoom; ++sx) {
        const uint8_t* p = &s.rgb[(static_cast<size_t>(sy / zoom) * s.width + sx / zoom) * 3];
        bool key = (p[0] & 0xF8) == 0 && (p[1] & 0xFC) == 0 && (p[2] & 0xF8) == 0;
        uint8_t v = ((sx / 4 + sy / 4) & 1) ? 40 : 24;
        if (key)
          put(places[i].x + sx, places[i].y + sy, v, v, v);
        else
          put(places[i].x + sx, places[i].y + sy, p[0], p[1], p[2]);
      }
    }
  }
  return platform::writePngFile(path, w, h, 4, rgba.data());
}

}  // namespace bt::art
