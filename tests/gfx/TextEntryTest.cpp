#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Font.h"
#include "gfx/GfxTestSupport.h"
#include "gfx/TextEntry.h"

namespace bt {
namespace {

// Keys by their keypad labels; a negative step is that many ticks.
constexpr int k1 = 5, k2 = 6, k3 = 7, k7 = 11, k9 = 13, k0 = 14;
constexpr int kLeft = 1, kRight = 2, kBack = 18, kStar = 19, kHash = 20;
constexpr int ticks(int n) {
  return -n;
}

void play(TextEntry& entry, const std::vector<int>& steps) {
  for (int step : steps) {
    if (step >= 0) {
      entry.press(static_cast<uint8_t>(step));
    } else {
      for (int i = 0; i < -step; ++i) entry.tick();
    }
  }
}

struct Case {
  const char* what;
  std::vector<int> steps;
  std::string text;
  int cursor;
  bool pending;
};

TEST(TextEntryTest, TypesByMultiTap) {
  const std::vector<int> fifteen = {k2, ticks(32), k3, ticks(32), k2, ticks(32), k3, ticks(32),
                                    k2, ticks(32), k3, ticks(32), k2, ticks(32), k3, ticks(32),
                                    k2, ticks(32), k3, ticks(32), k2, ticks(32), k3, ticks(32),
                                    k2, ticks(32), k3, ticks(32), k2, ticks(32)};
  std::vector<int> sixteen = fifteen;
  sixteen.insert(sixteen.end(), {k9, k9});
  const std::vector<Case> cases = {
      {"third letter, then the time-out", {k2, k2, k2, ticks(32)}, "C", 1, false},
      {"31 ticks are not enough", {k2, ticks(31)}, "A", 0, true},
      {"the fourth tap wraps", {k2, k2, k2, k2}, "A", 0, true},
      {"keys 7 and 9 have four letters",
       {k7, k7, k7, k7, ticks(32), k9, k9, k9, k9},
       "SZ",
       1,
       true},
      {"another key moves on", {k2, k3}, "AD", 1, true},
      {"the same key after the time-out starts anew", {k2, ticks(32), k2}, "AA", 1, true},
      {"back at the start erases everything",
       {k2, k3, ticks(32), kLeft, kLeft, kBack},
       "",
       0,
       false},
      {"back removes the letter before the cursor", {k2, k3, ticks(32), kBack}, "A", 1, false},
      {"back in the middle", {k2, k3, ticks(32), kLeft, kBack}, "D", 0, false},
      {"right stops at the end of the text",
       {k2, ticks(32), kRight, kRight, kRight},
       "A",
       1,
       false},
      {"left stops at 0", {kLeft, kLeft, k2}, "A", 0, true},
      {"left accepts the letter; the next tap of the key writes over it",
       {k2, k2, kLeft, k2},
       "A",
       0,
       true},
      {"15 characters fill the text", fifteen, "ADADADADADADADA", 14, false},
      {"then typing replaces the 15th", sixteen, "ADADADADADADADX", 14, true},
      {"star, then 0 types a zero", {kStar, k0}, "0", 0, true},
      {"a digit twice replaces itself", {kStar, k1, k1}, "1", 0, true},
      {"star again returns to letters", {kStar, k1, ticks(32), kStar, k2}, "1A", 1, true},
      {"1, 0 and # type nothing in letter mode", {k1, k0, kHash}, "", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TextEntry entry(16);
    play(entry, c.steps);
    EXPECT_EQ(std::string(entry.text()), c.text);
    EXPECT_EQ(entry.length(), c.text.size());
    EXPECT_EQ(entry.cursor(), c.cursor);
    EXPECT_EQ(entry.pending(), c.pending);
  }
}

TEST(TextEntryTest, TickReportsOnlyTheAcceptance) {
  TextEntry entry(16);
  entry.press(k2);
  int reports = 0;
  for (int i = 1; i <= 40; ++i) {
    if (entry.tick()) {
      EXPECT_EQ(i, 32);
      ++reports;
    }
  }
  EXPECT_EQ(reports, 1);
}

TEST(TextEntryTest, SetTextKeepsFifteenCharactersAndTheCursor) {
  TextEntry entry(16);
  entry.setText("ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(std::string(entry.text()), "ABCDEFGHIJKLMNO");
  EXPECT_EQ(entry.cursor(), 0);
  entry.press(k3);  // writes over the first character
  EXPECT_EQ(std::string(entry.text()), "DBCDEFGHIJKLMNO");
}

TEST(TextEntryTest, DisabledIgnoresKeysAndTicks) {
  TextEntry entry(16);
  entry.press(k2);
  entry.setEnabled(false);
  play(entry, {k3, kBack, kStar, ticks(40)});
  EXPECT_EQ(std::string(entry.text()), "A");
  EXPECT_TRUE(entry.pending());
  EXPECT_TRUE(entry.letterMode());
  entry.setEnabled(true);
  play(entry, {ticks(32)});
  EXPECT_EQ(entry.cursor(), 1);
}

// The mark "_" stands after the characters before the cursor, in the
// font's colour, whether or not a letter is pending.
TEST(TextEntryTest, DrawsTheTextAndTheMarkAtTheCursor) {
  test::TempFolder dir;
  std::vector<SpriteImage> glyphs;
  for (int g = 0; g < 90; ++g) glyphs.push_back(test::solidImage(5, 7, 255, 255, 255));
  ASSERT_TRUE(saveSpriteBank(glyphs, dir.file("font.spr")));
  Font font;
  ASSERT_TRUE(font.load(dir.file("font.spr")));
  font.setColour(0xF800);
  TextEntry entry(16);
  play(entry, {k2, k3});  // "AD", cursor 1 on the pending D
  FrameBuffer fb(64, 16);
  entry.draw(10, 2, fb, font);
  // Two letters 6 apart, and the mark over the second.
  for (auto [x, y] : test::changedPixels(fb)) {
    EXPECT_TRUE(x >= 10 && x < 21) << x;
    EXPECT_EQ(fb.pixel(x, y), 0xF800);
  }
  EXPECT_EQ(fb.pixel(10, 2), 0xF800);
  EXPECT_EQ(fb.pixel(16, 2), 0xF800);

  FrameBuffer empty(64, 16);
  TextEntry blank(16);
  blank.draw(10, 2, empty, font);
  EXPECT_EQ(test::changedPixels(empty).size(), 5u * 7u) << "only the mark";
}

}  // namespace
}  // namespace bt
