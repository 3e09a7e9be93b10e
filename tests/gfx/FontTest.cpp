#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "gfx/Colour.h"
#include "gfx/Font.h"
#include "gfx/GfxTestSupport.h"

namespace bt {
namespace {

// Glyphs '!' to 'z', white, 5 x 7, except: '?' (glyph 30, the space and
// line pitch glyph) 4 x 9, so the pitch is 12; 'A' 7 wide; 'B' 8 wide; 'C'
// 40 wide; 'D' placed by offset and anchor one left and two down.
std::vector<SpriteImage> glyphImages(size_t count) {
  std::vector<SpriteImage> glyphs;
  for (size_t g = 0; g < count; ++g) {
    uint8_t width = 5, height = 7;
    if (g == 30) width = 4, height = 9;
    if (g == 'A' - 33) width = 7;
    if (g == 'B' - 33) width = 8;
    if (g == 'C' - 33) width = 40;
    glyphs.push_back(test::solidImage(width, height, 255, 255, 255));
    if (g == 'D' - 33) glyphs.back().offsetY = 2, glyphs.back().anchorX = 1;
  }
  return glyphs;
}

std::set<int> litColumns(const FrameBuffer& fb) {
  std::set<int> columns;
  for (auto [x, y] : test::changedPixels(fb)) columns.insert(x);
  return columns;
}

std::set<int> litRows(const FrameBuffer& fb) {
  std::set<int> rows;
  for (auto [x, y] : test::changedPixels(fb)) rows.insert(y);
  return rows;
}

std::set<int> span(int from, int to) {  // from .. to - 1
  std::set<int> s;
  for (int i = from; i < to; ++i) s.insert(i);
  return s;
}

std::set<int> operator+(std::set<int> a, const std::set<int>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

class FontTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(saveSpriteBank(glyphImages(90), dir.file("font.spr")));
    ASSERT_TRUE(font.load(dir.file("font.spr")));
  }
  test::TempFolder dir;
  Font font;
};

TEST_F(FontTest, MeasuresUpToFirstLineBreak) {
  struct Case {
    std::string text;
    int32_t width;
  };
  for (const Case& c : std::vector<Case>{
           {"AB", 17},
           {"A B", 8 + 5 + 9},  // the space is as wide as '?'
           {"A\t\r\x01\xC8\xFF"
            "B",
            17},         // no room for control bytes or bytes above 127
           {"A{B", 17},  // '{' is past the bank's last glyph
           {"AB\nCCCC", 17},
           {"\nAB", 0},
           {"", 0},
           {"??", 10},
       }) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(font.measureLine(c.text), c.width);
  }
  EXPECT_EQ(font.linePitch(), 12);
}

TEST_F(FontTest, DrawsEachGlyphAfterThePreviousAdvance) {
  struct Case {
    std::string text;
    std::set<int> columns;
  };
  for (const Case& c : std::vector<Case>{
           {"AB", span(10, 17) + span(18, 26)},
           {"A B", span(10, 17) + span(23, 31)},
           {"A\t\r\xC8"
            "B",
            span(10, 17) + span(18, 26)},
           {"AB\nA", span(10, 17) + span(18, 26)},
       }) {
    SCOPED_TRACE(c.text);
    FrameBuffer fb(64, 24);
    EXPECT_EQ(font.drawTextLine(10, 5, c.text, fb),
              c.text.find('\n') == std::string::npos ? c.text.size() : c.text.find('\n'));
    EXPECT_EQ(litColumns(fb), c.columns);
  }
}

TEST_F(FontTest, GlyphsAreAnchoredAtThePen) {
  FrameBuffer fb(32, 32);
  font.drawText(10, 5, "D", fb);
  EXPECT_EQ(test::changedPixels(fb).front(), std::pair(9, 7));
}

TEST_F(FontTest, LinesAdvanceByThePitch) {
  struct Case {
    std::string text;
    std::set<int> rows;
  };
  for (const Case& c : std::vector<Case>{
           {"Game in progress\n\nStart a new game ?", span(5, 12) + span(29, 38)},
           {"AB\n", span(5, 12)},
           {"A\nB\nA", span(5, 12) + span(17, 24) + span(29, 36)},
       }) {
    SCOPED_TRACE(c.text);
    FrameBuffer fb(240, 60);
    font.drawText(3, 5, c.text, fb);
    EXPECT_EQ(litRows(fb), c.rows);
  }
}

TEST_F(FontTest, CentredLinesStartAtHalfTheirWidthLeftOfMiddle) {
  FrameBuffer fb(240, 40);
  font.drawTextCentred(5, "C\nAB", fb);  // widths 41 and 17
  std::set<int> first, second;
  for (auto [x, y] : test::changedPixels(fb)) (y < 17 ? first : second).insert(x);
  EXPECT_EQ(*first.begin(), 100);   // 120 - (41 >> 1)
  EXPECT_EQ(*second.begin(), 112);  // 120 - (17 >> 1)
}

TEST_F(FontTest, ColourStaysUntilChanged) {
  FrameBuffer fb(64, 40);
  EXPECT_EQ(font.colour(), kWhite);
  font.drawText(0, 0, "A", fb);
  font.setColour(kHighlightRed);
  font.drawText(0, 12, "A", fb);
  font.drawText(0, 24, "B", fb);
  EXPECT_EQ(fb.pixel(0, 0), kWhite);
  EXPECT_EQ(fb.pixel(0, 12), kHighlightRed);
  EXPECT_EQ(fb.pixel(7, 24), kHighlightRed);
}

// Without glyph 30 there is no space width or pitch: text draws nothing,
// measures 0 and still reports where its first line ends.
TEST_F(FontTest, FontWithoutSpaceGlyphDrawsNothing) {
  ASSERT_TRUE(saveSpriteBank(glyphImages(30), dir.file("short.spr")));
  Font shortFont, missingFont;
  ASSERT_TRUE(shortFont.load(dir.file("short.spr")));
  EXPECT_FALSE(missingFont.load(dir.file("missing.spr")));
  for (Font* f : {&shortFont, &missingFont}) {
    FrameBuffer fb(64, 40);
    f->drawText(0, 0, "AB\nCD", fb);
    f->drawTextCentred(0, "AB\nCD", fb);
    EXPECT_EQ(f->drawTextLine(0, 0, "AB\nCD", fb), 2u);
    EXPECT_TRUE(test::changedPixels(fb).empty());
    EXPECT_EQ(f->measureLine("AB"), 0);
    EXPECT_EQ(f->linePitch(), 0);
  }
}

}  // namespace
}  // namespace bt
