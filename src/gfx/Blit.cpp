#include "gfx/Blit.h"

#include <algorithm>
#include <cstring>

namespace bt {

namespace {

// The part of a sprite that lands inside the clip rectangle: frame-buffer
// rows top..bottom-1 and columns left..right-1, with the sprite's top-left
// pixel at (x, y).
struct Placement {
  int32_t x, y;
  int32_t left, right, top, bottom;
};

// Clips once per sprite so the row loops carry no per-pixel tests. False
// when nothing of the sprite is visible (or there is no sprite). Positions
// are widened so that offsets added to extreme coordinates cannot overflow.
bool place(const Sprite* sprite, const FrameBuffer& fb, int32_t x, int32_t y, bool anchored,
           Placement& out) {
  if (sprite == nullptr || sprite->width == 0 || sprite->height == 0) return false;
  if (sprite->pixels.size() < size_t{sprite->width} * sprite->height) return false;
  int64_t px = x;
  int64_t py = y;
  if (anchored) {
    px += int64_t{sprite->offsetX} - sprite->anchorX;
    py += int64_t{sprite->offsetY} - sprite->anchorY;
  }
  const ClipRect& clip = fb.clipRect();
  const int64_t left = std::max<int64_t>(px, clip.left);
  const int64_t top = std::max<int64_t>(py, clip.top);
  const int64_t right = std::min<int64_t>(px + sprite->width, clip.right);
  const int64_t bottom = std::min<int64_t>(py + sprite->height, clip.bottom);
  if (left >= right || top >= bottom) return false;
  // Inside the clip rectangle every coordinate fits 32 bits, and so does the
  // sprite's top-left pixel, which lies within 255 pixels of it.
  out = Placement{static_cast<int32_t>(px),   static_cast<int32_t>(py),
                  static_cast<int32_t>(left), static_cast<int32_t>(right),
                  static_cast<int32_t>(top),  static_cast<int32_t>(bottom)};
  return true;
}

const uint16_t* sourceRow(const Sprite& sprite, const Placement& p, int32_t v) {
  return sprite.pixels.data() + static_cast<size_t>(v - p.y) * sprite.width + (p.left - p.x);
}

uint16_t* destinationRow(FrameBuffer& fb, const Placement& p, int32_t v) {
  return fb.pixels() + static_cast<size_t>(v) * fb.width() + p.left;
}

void copyRows(const Sprite& sprite, FrameBuffer& fb, const Placement& p) {
  const int32_t columns = p.right - p.left;
  const size_t rowBytes = static_cast<size_t>(columns) * sizeof(uint16_t);
  // A sprite as wide as the buffer, drawn across all of it, runs on from
  // row to row on both sides: one copy instead of one per row.
  if (columns == sprite.width && columns == fb.width()) {
    std::memcpy(destinationRow(fb, p, p.top), sourceRow(sprite, p, p.top),
                rowBytes * static_cast<size_t>(p.bottom - p.top));
    return;
  }
  for (int32_t v = p.top; v < p.bottom; ++v) {
    std::memcpy(destinationRow(fb, p, v), sourceRow(sprite, p, v), rowBytes);
  }
}

// Black source pixels keep the destination; written as a select so the loop
// vectorises.
void keyRows(const Sprite& sprite, FrameBuffer& fb, const Placement& p) {
  const int32_t n = p.right - p.left;
  for (int32_t v = p.top; v < p.bottom; ++v) {
    const uint16_t* src = sourceRow(sprite, p, v);
    uint16_t* dst = destinationRow(fb, p, v);
    for (int32_t i = 0; i < n; ++i) dst[i] = src[i] != 0 ? src[i] : dst[i];
  }
}

void silhouetteRows(const Sprite& sprite, FrameBuffer& fb, const Placement& p, uint16_t colour) {
  const int32_t n = p.right - p.left;
  for (int32_t v = p.top; v < p.bottom; ++v) {
    const uint16_t* src = sourceRow(sprite, p, v);
    uint16_t* dst = destinationRow(fb, p, v);
    for (int32_t i = 0; i < n; ++i) dst[i] = src[i] != 0 ? colour : dst[i];
  }
}

}  // namespace

// The unclipped routines expect the caller to keep the sprite inside the
// buffer; when one does not, they clip like the clipped ones instead of
// writing outside it. Clipping costs one rectangle test per sprite.

void blitOpaque(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored) {
  blitOpaqueClipped(sprite, fb, x, y, anchored);
}

void blitOpaqueClipped(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored) {
  Placement p;
  if (place(sprite, fb, x, y, anchored, p)) copyRows(*sprite, fb, p);
}

void blitKeyed(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored) {
  blitKeyedClipped(sprite, fb, x, y, anchored);
}

void blitKeyedClipped(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored) {
  Placement p;
  if (place(sprite, fb, x, y, anchored, p)) keyRows(*sprite, fb, p);
}

void blitSilhouette(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored,
                    uint16_t colour) {
  Placement p;
  if (place(sprite, fb, x, y, anchored, p)) silhouetteRows(*sprite, fb, p, colour);
}

}  // namespace bt
