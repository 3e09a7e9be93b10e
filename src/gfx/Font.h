#pragma once
// Bitmap font: glyph g of the bank is character g + 33; a space takes the
// width of glyph 30 ('?'), whose height + 3 is the line pitch. Glyphs are drawn
// anchored as silhouettes in the current colour. A bank with fewer than 31
// glyphs draws nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gfx/Colour.h"
#include "gfx/FrameBuffer.h"
#include "gfx/SpriteBank.h"

namespace bt {

class Font {
 public:
  bool load(const std::string& path);
  void setColour(uint16_t colour) { colour_ = colour; }
  uint16_t colour() const { return colour_; }

  void drawText(int32_t x, int32_t y, std::string_view text, FrameBuffer& fb) const;
  void drawTextCentred(int32_t y, std::string_view text, FrameBuffer& fb) const;
  // Draws up to the first '\n'; returns its index, or text.size().
  size_t drawTextLine(int32_t x, int32_t y, std::string_view text, FrameBuffer& fb) const;
  int32_t measureLine(std::string_view text) const;
  int32_t linePitch() const;  // 0 when the font is unusable

  SpriteBank& glyphs() { return glyphs_; }
  const SpriteBank& glyphs() const { return glyphs_; }

 private:
  SpriteBank glyphs_;
  uint16_t colour_ = kWhite;
};

}  // namespace bt
