// Every fixed text of the screens, measured with the font of each display,
// must fit where the screens draw it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ArtSupport.h"
#include "art/InterfaceSprites.h"
#include "gfx/Font.h"
#include "gfx/SpriteBank.h"

namespace bt::test {
namespace {

std::vector<std::string_view> lines(std::string_view text) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\n') {
      out.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return out;
}

class FontArtTest : public testing::TestWithParam<DisplaySize> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(font.load(artFile(std::string("Game_Sprite/font") + GetParam().suffix + ".spr")));
  }
  // Drawn from x, every line ends inside the display (the measure counts
  // one spacing pixel after the last glyph).
  void expectFits(int x, std::string_view text, int right = -1) {
    const int limit = right < 0 ? GetParam().w : right;
    for (std::string_view line : lines(text))
      EXPECT_LE(x + font.measureLine(line) - 1, limit) << '"' << line << "\" from x " << x;
  }
  Font font;
};

TEST_P(FontArtTest, HasEveryGlyphAndAPitchThatFitsTheRows) {
  const SpriteBank& glyphs = font.glyphs();
  ASSERT_EQ(glyphs.count(), 94u);
  for (uint32_t g = 0; g < 94; ++g) {
    const Sprite* s = glyphs.sprite(g);
    EXPECT_GT(s->width, 0) << "glyph of '" << char(g + 33) << "'";
    EXPECT_GT(s->height, 0) << "glyph of '" << char(g + 33) << "'";
  }
  const int pitch = font.linePitch();
  EXPECT_EQ(pitch, glyphs.sprite(30)->height + 3);
  EXPECT_LE(pitch, 16) << "option and score rows stand 16 pixels apart";
  // Descenders hang below the capitals' baseline.
  const Sprite* g = glyphs.sprite('g' - 33);
  EXPECT_GT(g->offsetY + g->height, glyphs.sprite(30)->height);
  EXPECT_LT(g->offsetY + g->height, pitch + 1);
}

TEST_P(FontArtTest, ScreenTextsFitTheDisplay) {
  const DisplaySize d = GetParam();
  const int half = d.w / 2;
  // Help and confirmation texts.
  const int tx = d.small() ? half - 62 : half - 86;
  expectFits(tx,
             "Clear each level by rotating all the\nround markers into their\ncorresponding "
             "coloured tile.");
  expectFits(tx, "Once all the pegs are in position\nyou can proceed to the next\nlevel.");
  expectFits(tx, "Game in progress\n\nStart a new game ?");
  EXPECT_LT(3 * font.linePitch(), 64) << "a help paragraph runs into the next";
  // Options: labels stop before the value column, values inside the display.
  const int lx = d.small() ? half - 60 : half - 80, vx = d.small() ? half + 30 : half + 35;
  for (const char* label : {"Sound", "Move Up", "Move Down", "Move Left", "Move Right",
                            "Rotate Left", "Rotate Right", "Restart", "Quit"})
    expectFits(lx, label, vx - 2);
  for (const char* value :
       {"On", "Off", "Press Key", "-", "Left", "Right", "Up", "Down", "Left Menu", "Right Menu",
        "Action", "Back", "VolUp", "VolDwn", "F10", "*", "#"})
    expectFits(vx, value);
  // Score table: a full name stops before the score; scores fit.
  expectFits(half - 70, "AAAAAAAAAAAAAAA", half + 30 - 2);
  expectFits(half - 70, "WWWWWWWWWWWWWWW", half + 30 - 2);
  expectFits(half + 30, "-000000001");
  expectFits(half + 30, "0000000000");
  // Soft-key captions at fixed places (score table, online scores).
  expectFits(34, "DONE", 115 - 2);
  expectFits(115, "CONNECT");
  expectFits(122, "STOP");
  expectFits(120, "SUBMIT");
  expectFits(120, "FETCH");
  // Online status lines.
  for (const char* status :
       {"Select connect to get the scores.", "Select connect to submit your\nhighest score",
        "Dialing Connection.", "Exchanging data.", "Complete.",
        "An error occured. Please try later."})
    expectFits(half - 60, status);
  if (!d.small()) expectFits(10, "Restart", d.w - 30 - 4);
}

TEST_P(FontArtTest, ButtonCaptionsSitOnTheirButtons) {
  const DisplaySize d = GetParam();
  SpriteBank bank;
  ASSERT_TRUE(bank.load(
      artFile(std::string("Game_Sprite/") + kInterfaceBanks[d.small() ? 0 : 1] + ".spr")));
  const Sprite* button = bank.sprite(kSpriteButton);
  ASSERT_NE(button, nullptr);
  const int bw = button->width, left = d.w / 2 - bw / 2, right = d.w / 2 + bw / 2;
  struct Caption {
    const char* text;
    int buttonX, x;
  };
  const std::vector<Caption> captions = d.small()
                                            ? std::vector<Caption>{{"DONE", left, left - 10},
                                                                   {"CHANGE", right, right - 14},
                                                                   {"YES", left, left - 10},
                                                                   {"NO", right, right - 14}}
                                            : std::vector<Caption>{{"DONE", left, left - 12},
                                                                   {"CHANGE", right, right - 18},
                                                                   {"YES", left, left - 8},
                                                                   {"NO", right, right - 6}};
  for (const Caption& c : captions) {
    const int width = font.measureLine(c.text) - 1;
    EXPECT_GE(c.x, c.buttonX - bw / 2 + 3) << c.text;
    EXPECT_LE(c.x + width, c.buttonX + bw / 2 - 3) << c.text;
  }
  if (!d.small()) {
    // The two captions the layout centres with its offsets look centred.
    for (const Caption& c : {captions[0], captions[1]}) {
      const int width = font.measureLine(c.text) - 1;
      EXPECT_LE(std::abs(2 * c.x + width - 2 * c.buttonX), 3) << c.text;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Displays, FontArtTest, testing::ValuesIn(kDisplays),
                         [](const testing::TestParamInfo<DisplaySize>& info) {
                           return std::string("d") + info.param.suffix;
                         });

}  // namespace
}  // namespace bt::test
