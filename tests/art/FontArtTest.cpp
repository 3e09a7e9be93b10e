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
#include "screens/ConfirmNewGameScreen.h"
#include "screens/HelpScreen.h"
#include "screens/ScreenPlaces.h"

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
  const InterfacePlaces& panel = interfacePlaces(d.artSet());
  const int tx = half + panel.textFromMiddle;
  expectFits(tx, HelpScreen::kParagraph1);
  expectFits(tx, HelpScreen::kParagraph2);
  expectFits(tx, ConfirmNewGameScreen::kQuestion);
  EXPECT_LT(3 * font.linePitch(), panel.paragraphGap) << "a help paragraph runs into the next";
  // Options: labels stop before the value column, values inside the display.
  const OptionsPlaces& options = optionsPlaces(d.artSet());
  const int lx = half + options.labelFromMiddle, vx = half + options.valueFromMiddle;
  for (const char* label : {"Sound", "Move Up", "Move Down", "Move Left", "Move Right",
                            "Rotate Left", "Rotate Right", "Restart", "Quit"})
    expectFits(lx, label, vx - 2);
  for (const char* value :
       {"On", "Off", "Press Key", "-", "Left", "Right", "Up", "Down", "Left Menu", "Right Menu",
        "Action", "Back", "VolUp", "VolDwn", "F10", "*", "#"})
    expectFits(vx, value);
  // Score table: a full name stops before the score; scores fit.
  const ScoreTablePlaces& table = kScoreTablePlaces;
  const int nameX = half + table.nameFromMiddle, scoreX = half + table.scoreFromMiddle;
  expectFits(nameX, "AAAAAAAAAAAAAAA", scoreX - 2);
  expectFits(nameX, "WWWWWWWWWWWWWWW", scoreX - 2);
  expectFits(scoreX, "-000000001");
  expectFits(scoreX, "0000000000");
  // Soft-key captions at fixed places (score table, online scores).
  const OnlineScorePlaces& online = onlineScorePlaces(d.artSet());
  expectFits(table.leftCaptionX, "DONE", table.rightCaptionX - 2);
  expectFits(table.rightCaptionX, "SUBMIT");
  expectFits(table.rightCaptionX, "FETCH");
  expectFits(online.doneX, "DONE", online.connectX - 2);
  expectFits(online.connectX, "CONNECT");
  expectFits(online.stopX, "STOP");
  // Online status lines.
  for (const char* status :
       {"Select connect to get the scores.", "Select connect to submit your\nhighest score",
        "Dialing Connection.", "Exchanging data.", "Complete.",
        "An error occured. Please try later."})
    expectFits(half + online.statusFromMiddle, status);
  if (gamePlaces(d.artSet()).buttonsShown) {
    const HitRect menu = kGameButtons[0].on(d.w, d.h, 0);
    expectFits(kRestartLabelX, "Restart", menu.x0 - 4);
  }
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
  // Where a caption's text starts on a button in the middle of x.
  const auto at = [&](const ButtonCaption& caption, int buttonX, const char* text) {
    return Caption{
        text, buttonX,
        caption.centred ? buttonX - (font.measureLine(text) - 1) / 2 : buttonX + caption.dx};
  };
  const InterfacePlaces& panel = interfacePlaces(d.artSet());
  const ConfirmPlaces& confirm = confirmPlaces(d.artSet());
  const std::vector<Caption> captions = {
      at(panel.doneCaption, left, "DONE"),
      at(optionsPlaces(d.artSet()).changeCaption, right, "CHANGE"),
      at(confirm.yesCaption, left, "YES"), at(confirm.noCaption, right, "NO")};
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
