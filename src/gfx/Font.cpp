#include "gfx/Font.h"

#include "gfx/Blit.h"

namespace bt {

namespace {

// Glyph 30 ('?') gives the width of a space and the line pitch, so a bank
// without it cannot lay out text at all.
constexpr uint32_t kSpaceGlyph = 30;
constexpr size_t kMinimumGlyphs = kSpaceGlyph + 1;
constexpr int32_t kLineGap = 3;

struct GlyphChoice {
  const Sprite* glyph = nullptr;  // none: takes no room
  bool drawn = false;             // false for the space
};

// Characters are signed 8-bit: bytes above 127 are negative and, like the
// control characters, have no glyph.
GlyphChoice glyphFor(const SpriteBank& bank, char ch) {
  const int code = static_cast<int8_t>(ch);
  if (code == ' ') return {bank.sprite(kSpaceGlyph), false};
  if (code < 33) return {};
  return {bank.sprite(static_cast<uint32_t>(code - 33)), true};
}

}  // namespace

bool Font::load(const std::string& path) {
  return glyphs_.load(path);
}

int32_t Font::linePitch() const {
  if (glyphs_.count() < kMinimumGlyphs) return 0;
  return glyphs_.sprite(kSpaceGlyph)->height + kLineGap;
}

size_t Font::drawTextLine(int32_t x, int32_t y, std::string_view text, FrameBuffer& fb) const {
  const bool usable = glyphs_.count() >= kMinimumGlyphs;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') return i;
    if (!usable) continue;
    const GlyphChoice choice = glyphFor(glyphs_, text[i]);
    if (choice.glyph == nullptr) continue;
    if (choice.drawn) blitSilhouette(choice.glyph, fb, x, y, true, colour_);
    x += choice.glyph->width + 1;
  }
  return text.size();
}

int32_t Font::measureLine(std::string_view text) const {
  if (glyphs_.count() < kMinimumGlyphs) return 0;
  int32_t width = 0;
  for (char ch : text) {
    if (ch == '\n') break;
    const GlyphChoice choice = glyphFor(glyphs_, ch);
    if (choice.glyph != nullptr) width += choice.glyph->width + 1;
  }
  return width;
}

// Every call draws at least one line; a single trailing '\n' adds no empty
// line, but "\n\n" in the middle leaves one.
void Font::drawText(int32_t x, int32_t y, std::string_view text, FrameBuffer& fb) const {
  const int32_t pitch = linePitch();
  if (pitch == 0) return;
  size_t pos = 0;
  do {
    pos += drawTextLine(x, y, text.substr(pos), fb) + 1;
    y += pitch;
  } while (pos < text.size());
}

void Font::drawTextCentred(int32_t y, std::string_view text, FrameBuffer& fb) const {
  const int32_t pitch = linePitch();
  if (pitch == 0) return;
  size_t pos = 0;
  do {
    const std::string_view rest = text.substr(pos);
    const int32_t x = (fb.width() >> 1) - (measureLine(rest) >> 1);
    pos += drawTextLine(x, y, rest, fb) + 1;
    y += pitch;
  } while (pos < text.size());
}

}  // namespace bt
