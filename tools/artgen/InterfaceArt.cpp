// interface176x220.spr and interface240x320.spr: the menu, options, help and
// confirmation screens' titles, entries, panels, button and cursor.
#include <string_view>

#include "ArtBanks.h"
#include "Ornaments.h"
#include "Palette.h"
#include "Style.h"
#include "art/InterfaceSprites.h"

namespace bt::art {

namespace {

using namespace palette;

const TitleStyle kTitleStyle{kBrassLight, kBrass, kBerry, kBerryDark, 1, 1};
const TitleStyle kEntryStyle{kCream, kParchment, kInk, kInk, 1, 0};

// Text of the large font centred on the picture, capitals centred vertically.
void centredText(Canvas& c, const BitmapFont& font, std::string_view text, int64_t scale,
                 const TitleStyle& style, int64_t raise = 0) {
  const int64_t width = titleWidth(font, text, scale);
  const int64_t x = (px(c.width()) - width) / 2;
  const int64_t y = (px(c.height()) - font.capHeight() * scale) / 2 - raise;
  drawTitle(c, font, text, x, y, scale, style);
}

SpriteImage title(const InterfaceLayout& l, const BitmapFont& font, std::string_view text) {
  Canvas c(l.width, l.titleHeight, kBlack);
  const int64_t width = titleWidth(font, text, l.titleScale);
  const int64_t raise = l.titleScale;  // leave room below for descenders
  centredText(c, font, text, l.titleScale, kTitleStyle, raise);
  const int64_t gap = px(6), size = px(l.titleHeight) * 80 / 100;
  const int64_t y = px(l.titleHeight) * 62 / 100;
  drawSprig(c, {(px(l.width) - width) / 2 - gap, y}, false, size);
  drawSprig(c, {(px(l.width) + width) / 2 + gap, y}, true, size);
  return toSprite(c, l.width / 2, l.titleHeight / 2);
}

SpriteImage entry(const InterfaceLayout& l, const BitmapFont& font, std::string_view text) {
  Canvas c(l.entryWidth, l.entryHeight, kBlack);
  plate(c, 0, 0, px(l.entryWidth), px(l.entryHeight), px(l.entryHeight) / 3, kWoodLight, kWood);
  centredText(c, font, text, l.entryScale, kEntryStyle, l.entryScale / 2);
  return toSprite(c, l.entryWidth / 2, l.entryHeight / 2);
}

// The framed panel behind option rows, help text and questions, cut into a
// top, a middle and a bottom piece of one title height each.
std::vector<SpriteImage> panels(const InterfaceLayout& l) {
  const int w = l.panelWidth, th = l.titleHeight;
  Canvas c(w, 3 * th, kBlack);
  framedPanel(c);
  const int64_t sprig = px(th) * 55 / 100;
  drawSprig(c, {px(3), px(5)}, true, sprig);
  drawSprig(c, {px(w - 3), px(5)}, false, sprig);
  std::vector<SpriteImage> out;
  for (int piece = 0; piece < 3; ++piece) out.push_back(rowBand(c, piece * th, th));
  return out;
}

SpriteImage button(const InterfaceLayout& l) {
  Canvas c(l.buttonWidth, l.buttonHeight, kBlack);
  plate(c, px(2), 0, px(l.buttonWidth - 2), px(l.buttonHeight), px(l.buttonHeight) / 3, kWood,
        kWoodDark);
  return toSprite(c, l.buttonWidth / 2, l.buttonHeight / 2);
}

SpriteImage cursor(const InterfaceLayout& l) {
  const int s = l.cursorSize;
  Canvas c(s, s, kBlack);
  const int64_t mid = px(s) / 2;
  drawBerry(c, mid, mid + px(s) / 12, px(s) * 33 / 100);
  drawLeaf(c, {mid, mid - px(s) / 5}, {mid + px(s) * 2 / 5, mid - px(s) * 2 / 5}, px(s) / 9);
  return toSprite(c, s / 2, s / 2, true);
}

}  // namespace

std::vector<SpriteImage> interfaceBank(const InterfaceLayout& l, const Fonts& fonts) {
  const BitmapFont& font = fonts.large;
  std::vector<SpriteImage> bank(kInterfaceSpriteCount, blankSprite());
  bank[kSpriteMenuTitle] = title(l, font, "Brambletop");
  bank[kSpriteOptionsTitle] = title(l, font, "options");
  bank[kSpriteHelpTitle] = title(l, font, "help");
  bank[kSpriteNewGameEntry] = entry(l, font, "new game");
  bank[kSpriteContinueEntry] = entry(l, font, "continue");
  bank[kSpriteOptionsEntry] = entry(l, font, "options");
  bank[kSpriteHelpEntry] = entry(l, font, "help");
  bank[kSpriteQuitEntry] = entry(l, font, "quit");
  std::vector<SpriteImage> panel = panels(l);
  bank[kSpriteTopPanel] = panel[0];
  bank[kSpriteMiddlePanel] = panel[1];
  bank[kSpriteBottomPanel] = panel[2];
  bank[kSpriteButton] = button(l);
  bank[kSpriteCursor] = cursor(l);
  return bank;
}

}  // namespace bt::art
