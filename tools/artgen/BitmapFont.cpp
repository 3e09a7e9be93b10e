#include "BitmapFont.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "Shapes.h"

namespace bt::art {

namespace {

bool isRow(const std::string& line) {
  return !line.empty() && line.find_first_not_of("#.") == std::string::npos;
}

std::string trimEnd(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.pop_back();
  return s;
}

// Drops blank rows above and below the ink; a glyph without ink keeps one row.
Glyph makeGlyph(const std::vector<std::string>& rows) {
  Glyph g;
  g.width = static_cast<int>(rows[0].size());
  int first = 0, last = static_cast<int>(rows.size()) - 1;
  auto blank = [&](int r) { return rows[r].find('#') == std::string::npos; };
  while (first < last && blank(first)) ++first;
  while (last > first && blank(last)) --last;
  g.top = first;
  g.rows.assign(rows.begin() + first, rows.begin() + last + 1);
  return g;
}

}  // namespace

bool BitmapFont::parse(const std::string& text, std::string& error) {
  glyphs_.assign(kCount, Glyph{});
  std::vector<bool> seen(kCount, false);
  std::istringstream in(text);
  std::string line;
  int rowsPerGlyph = 0, lineNo = 0;
  int current = -1;
  std::vector<std::string> rows;
  auto finish = [&]() -> bool {
    if (current < 0) return true;
    if (static_cast<int>(rows.size()) != rowsPerGlyph) {
      error = "glyph '" + std::string(1, char(current + kFirst)) + "' has " +
              std::to_string(rows.size()) + " rows, not " + std::to_string(rowsPerGlyph);
      return false;
    }
    glyphs_[current] = makeGlyph(rows);
    seen[current] = true;
    rows.clear();
    current = -1;
    return true;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    line = trimEnd(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.rfind("rows ", 0) == 0) {
      rowsPerGlyph = std::stoi(line.substr(5));
    } else if (line.rfind("glyph ", 0) == 0 && line.size() == 7) {
      if (!finish()) return false;
      int index = static_cast<unsigned char>(line[6]) - kFirst;
      if (index < 0 || index >= kCount || rowsPerGlyph <= 0) {
        error = "line " + std::to_string(lineNo) + ": bad glyph header";
        return false;
      }
      current = index;
    } else if (isRow(line) && current >= 0) {
      if (!rows.empty() && rows[0].size() != line.size()) {
        error = "line " + std::to_string(lineNo) + ": rows of one glyph differ in width";
        return false;
      }
      rows.push_back(line);
    } else {
      error = "line " + std::to_string(lineNo) + ": not understood: " + line;
      return false;
    }
  }
  if (!finish()) return false;
  for (int i = 0; i < kCount; ++i) {
    if (!seen[i]) {
      error = "glyph '" + std::string(1, char(i + kFirst)) + "' is missing";
      return false;
    }
  }
  return true;
}

bool BitmapFont::load(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot read " + path;
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (!parse(text.str(), error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

const Glyph* BitmapFont::glyph(char ch) const {
  int index = static_cast<unsigned char>(ch) - kFirst;
  if (index < 0 || index >= static_cast<int>(glyphs_.size())) return nullptr;
  return &glyphs_[index];
}

int BitmapFont::measure(std::string_view text) const {
  int width = 0;
  for (char ch : text) {
    if (ch == '\n') break;
    const Glyph* g = ch == ' ' ? &glyphs_[kPitchGlyph] : glyph(ch);
    if (g) width += g->width + 1;
  }
  return width;
}

std::vector<SpriteImage> BitmapFont::sprites() const {
  std::vector<SpriteImage> out;
  for (const Glyph& g : glyphs_) {
    SpriteImage s;
    s.width = static_cast<uint8_t>(g.width);
    s.height = static_cast<uint8_t>(g.height());
    s.offsetY = static_cast<int8_t>(g.top);
    s.transparent = 1;
    s.rgb.assign(static_cast<size_t>(g.width) * g.height() * 3, 0);
    for (int y = 0; y < g.height(); ++y)
      for (int x = 0; x < g.width; ++x)
        if (g.ink(x, y))
          for (int c = 0; c < 3; ++c) s.rgb[(static_cast<size_t>(y) * g.width + x) * 3 + c] = 255;
    out.push_back(std::move(s));
  }
  return out;
}

void BitmapFont::render(Mask& mask, std::string_view text, int64_t x, int64_t y,
                        int64_t scale) const {
  // Lay the line out at font resolution first, then rasterise it as one
  // shape, so that neighbouring font pixels join without seams.
  const int rows = [&] {
    int r = 0;
    for (const Glyph& g : glyphs_) r = std::max(r, g.top + g.height());
    return r;
  }();
  const int columns = measure(text);
  std::vector<uint8_t> ink(static_cast<size_t>(std::max(columns, 1)) * rows, 0);
  int pen = 0;
  for (char ch : text) {
    if (ch == '\n') break;
    const Glyph* g = ch == ' ' ? &glyphs_[kPitchGlyph] : glyph(ch);
    if (!g) continue;
    if (ch != ' ')
      for (int gy = 0; gy < g->height(); ++gy)
        for (int gx = 0; gx < g->width; ++gx)
          if (g->ink(gx, gy)) ink[static_cast<size_t>(g->top + gy) * columns + pen + gx] = 1;
    pen += g->width + 1;
  }
  auto floorDiv = [](int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
  mask.addShape(
      [&](int64_t sx, int64_t sy) {
        int64_t fx = floorDiv(sx - x, scale), fy = floorDiv(sy - y, scale);
        if (fx < 0 || fy < 0 || fx >= columns || fy >= rows) return false;
        return ink[static_cast<size_t>(fy) * columns + fx] != 0;
      },
      static_cast<int>(floorDiv(x, kSub)), static_cast<int>(floorDiv(y, kSub)),
      static_cast<int>(floorDiv(x + columns * scale, kSub)) + 2,
      static_cast<int>(floorDiv(y + rows * scale, kSub)) + 2);
}

}  // namespace bt::art
