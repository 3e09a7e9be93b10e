#pragma once
// The game's bitmap fonts, read from their text form (rows of '#' and '.'),
// turned into the glyph bank, and used to set text in the other pictures.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Canvas.h"
#include "gfx/SpriteBankWriter.h"

namespace bt::art {

struct Glyph {
  int width = 0;
  int top = 0;                    // rows trimmed above the ink
  std::vector<std::string> rows;  // the ink rows, top to bottom
  int height() const { return static_cast<int>(rows.size()); }
  bool ink(int x, int y) const { return rows[y][x] == '#'; }
};

class BitmapFont {
 public:
  static constexpr int kFirst = 33;       // '!'
  static constexpr int kCount = 94;       // '!' to '~'
  static constexpr int kPitchGlyph = 30;  // '?'

  // Parses the text form; on failure returns false and says why in error.
  bool parse(const std::string& text, std::string& error);
  bool load(const std::string& path, std::string& error);

  const Glyph* glyph(char ch) const;
  // Height of '?' (the capital height); line pitch is this + 3.
  int capHeight() const { return glyphs_[kPitchGlyph].height(); }
  int linePitch() const { return capHeight() + 3; }
  // Width as the game measures a line: every glyph's width + 1, a space as
  // wide as '?' + 1.
  int measure(std::string_view text) const;

  // The glyph bank: white ink on black, offsets keep each glyph on the line.
  std::vector<SpriteImage> sprites() const;

  // Rasterises text with its top-left (capital top) at (x, y) in sub-pixel
  // units, each font pixel `scale` sub-pixel units square.
  void render(Mask& mask, std::string_view text, int64_t x, int64_t y, int64_t scale) const;

 private:
  std::vector<Glyph> glyphs_;
};

}  // namespace bt::art
