// interface.spr, the online score screen's pictures (laid out for a display
// 176 pixels wide, used on both), and interface.ani, its busy indicator.
#include <string_view>

#include "ArtBanks.h"
#include "Ornaments.h"
#include "Palette.h"
#include "Style.h"
#include "art/OnlineSprites.h"

namespace bt::art {

namespace {

using namespace palette;

constexpr int kPanelWidth = 168;
constexpr int kRowHeight = 16;
constexpr int kMarkerSize = 11;

SpriteImage heading(const BitmapFont& font) {
  Canvas c(128, 38, kBlack);
  const TitleStyle style{kBrassLight, kBrass, kBerry, kBerryDark, 1, 1};
  const int64_t scale = px(2);
  const int64_t width = titleWidth(font, "online scores", scale);
  drawTitle(c, font, "online scores", (px(128) - width) / 2, px(10), scale, style);
  return toSprite(c, 64, 19);
}

SpriteImage ornament(bool right) {
  Canvas c(18, 30, kBlack);
  drawSprig(c, {right ? px(1) : px(17), px(20)}, right, px(17));
  return toSprite(c, 9, 15);
}

// A short piece of chain: the panel hangs from the title.
SpriteImage chain() {
  Canvas c(6, 10, kBlack);
  Mask links(6, 10);
  addRing(links, px(3), px(3), px(3) - kSub / 4, px(1) + kSub / 4);
  addRing(links, px(3), px(8), px(3) - kSub / 4, px(1) + kSub / 4);
  bevel(c, links, kBrass, kBrassLight, kBrassDark);
  return toSprite(c, 3, 5);
}

SpriteImage softKey() {
  Canvas c(84, 16, kBlack);
  plate(c, px(2), 0, px(82), px(16), px(5), kWood, kWoodDark);
  return toSprite(c, 42, 8);
}

// A step's name, anchored at its top-left corner, centred on a 16-pixel row.
SpriteImage step(const BitmapFont& font, std::string_view text) {
  const int w = font.measure(text) + 2;
  Canvas c(w, kRowHeight, kBlack);
  Mask ink(w, kRowHeight);
  const int top = (kRowHeight - font.capHeight()) / 2;
  font.render(ink, text, 0, px(top), px(1));
  c.paint(ink, kInk, 1, 1);
  c.paint(ink, verticalGradient(top, top + font.capHeight(), kCream, kParchment));
  return toSprite(c);
}

// The still marker of a step: a hollow brass ring on the panel's colour.
SpriteImage stepMarker() {
  const int s = kMarkerSize;
  Canvas c(s, s, kPanel);
  Mask ring(s, s);
  addRing(ring, px(s) / 2, px(s) / 2, px(4) + kSub / 2, px(2) + kSub / 2);
  bevel(c, ring, kBrassDark, kBrass, kInk);
  return toSprite(c, s / 2, s / 2, true);
}

SpriteImage tick() {
  const int s = kMarkerSize;
  Canvas c(s, s, kPanel);
  Mask mark(s, s);
  addCapsule(mark, {px(2) + kSub / 2, px(6)}, {px(4) + kSub / 2, px(8)}, px(1));
  addCapsule(mark, {px(4) + kSub / 2, px(8)}, {px(9), px(2) + kSub / 2}, px(1));
  Mask outline = mark.dilated(1);
  c.paint(outline, kLeafDark);
  c.paint(mark, kLeafLight);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x)
      if (outline.at(x, y) == 0) c.set(x, y, kBlack);
  return toSprite(c, s / 2, s / 2, true);
}

// Frame i of the busy indicator: eight dots round the marker's place, the
// bright one moving on by one each frame with a fading tail. Every frame
// paints its whole square, so it covers the frame before.
SpriteImage busyFrame(int i) {
  const int s = kMarkerSize;
  Canvas c(s, s, kPanel);
  const int64_t mid = px(s) / 2, reach = px(4);
  const int64_t diagonal = reach * 7071 / 10000;
  const Point spot[8] = {{mid, mid - reach}, {mid + diagonal, mid - diagonal},
                         {mid + reach, mid}, {mid + diagonal, mid + diagonal},
                         {mid, mid + reach}, {mid - diagonal, mid + diagonal},
                         {mid - reach, mid}, {mid - diagonal, mid - diagonal}};
  for (int k = 0; k < 8; ++k) {
    int age = (i - k + 8) % 8;  // 0 for the dot that leads
    Rgb colour = age == 0  ? kBrassLight
                 : age < 3 ? mix(kBrass, kPanel, age * 70)
                           : mix(kBrassDark, kPanel, 140);
    c.paint(circleMask(s, s, spot[k].x, spot[k].y, age == 0 ? px(1) + kSub / 2 : px(1)), colour);
  }
  return toSprite(c, s / 2, s / 2, true);
}

}  // namespace

std::vector<SpriteImage> onlineBank(const Fonts& fonts) {
  std::vector<SpriteImage> bank(kOnlineSpriteCount, blankSprite());
  bank[kSpriteOnlineTitle] = heading(fonts.large);
  bank[kSpriteLeftOrnament] = ornament(false);
  bank[kSpriteRightOrnament] = ornament(true);
  bank[kSpriteChain] = chain();
  bank[kSpriteOnlineButton] = softKey();
  // The whole panel; the top edge, one row and the bottom edge are cut from it.
  Canvas panel(kPanelWidth, 10 * kRowHeight, kBlack);
  framedPanel(panel);
  bank[kSpriteOnlinePanelTop] = rowBand(panel, 0, kRowHeight);
  bank[kSpriteOnlinePanelRow] = rowBand(panel, kRowHeight, kRowHeight);
  bank[kSpriteOnlinePanelBottom] = rowBand(panel, 9 * kRowHeight, kRowHeight);
  const char* const steps[kStepCount] = {"connect", "exchange", "scores"};
  for (int i = 0; i < kStepCount; ++i) bank[kSpriteFirstStep + i] = step(fonts.large, steps[i]);
  bank[kSpriteStepMarker] = stepMarker();
  bank[kSpriteTick] = tick();
  for (int i = 0; i < kBusyFrameCount; ++i) bank[kSpriteFirstBusyFrame + i] = busyFrame(i);
  return bank;
}

// Delay 4 (about 15 pictures a second), the eight frames, and back.
AnimationScript onlineBusyScript() {
  AnimationScript s{animationDelay(4)};
  for (int i = 0; i < kBusyFrameCount; ++i) {
    s.push_back(animationFrame(static_cast<int>(kSpriteFirstBusyFrame) + i, 0, 0));
  }
  s.push_back(animationJump(-kBusyFrameCount));
  return s;
}

}  // namespace bt::art
