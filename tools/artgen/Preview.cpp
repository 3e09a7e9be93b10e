#include "Preview.h"

#include <cstdio>
#include <string>
#include <vector>

#include "art/BoardSprites.h"
#include "art/InterfaceSprites.h"
#include "art/OnlineSprites.h"
#include "game/LevelData.h"
#include "gfx/Animation.h"
#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"
#include "gfx/SpriteBank.h"
#include "platform/png/PngCodec.h"

namespace bt::art {

namespace {

struct Display {
  int w, h;
  bool small() const { return w == 176; }
  std::string suffix() const { return small() ? "176x220" : "240x320"; }
};

// Several frame buffers side by side, each doubled.
bool writeStrip(const std::string& path, const std::vector<FrameBuffer>& shots) {
  const int zoom = 2, gap = 6;
  int w = gap, h = 0;
  for (const FrameBuffer& fb : shots) {
    w += fb.width() * zoom + gap;
    h = std::max(h, fb.height() * zoom + 2 * gap);
  }
  std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4, 96);
  for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  int ox = gap;
  for (const FrameBuffer& fb : shots) {
    for (int y = 0; y < fb.height() * zoom; ++y) {
      for (int x = 0; x < fb.width() * zoom; ++x) {
        uint16_t c = fb.pixel(x / zoom, y / zoom);
        uint8_t* p = &rgba[(static_cast<size_t>(y + gap) * w + ox + x) * 4];
        p[0] = red8(c), p[1] = green8(c), p[2] = blue8(c);
      }
    }
    ox += fb.width() * zoom + gap;
  }
  return platform::writePngFile(path, w, h, 4, rgba.data());
}

void cursorOutline(FrameBuffer& fb, int X, int Y, bool small) {
  static const int k17[12][4] = {{0, -1, 31, -1},    {-1, 0, -1, 15},   {-2, 16, -17, 16},
                                 {-18, 17, -18, 48}, {-17, 49, -2, 49}, {-1, 50, -1, 65},
                                 {0, 66, 31, 66},    {32, 65, 32, 51},  {33, 50, 48, 50},
                                 {49, 49, 49, 17},   {48, 16, 33, 16},  {32, 15, 32, 0}};
  static const int k22[12][4] = {{0, -1, 42, -1},    {-1, 0, -1, 21},   {-2, 22, -21, 22},
                                 {-22, 23, -22, 64}, {-21, 65, -2, 65}, {-1, 66, -1, 86},
                                 {0, 87, 43, 87},    {43, 86, 43, 66},  {45, 65, 64, 65},
                                 {65, 64, 65, 22},   {64, 21, 44, 21},  {43, 20, 43, 0}};
  const auto& lines = small ? k17 : k22;
  for (const auto& l : lines) fb.drawLine(X + l[0], Y + l[1], X + l[2], Y + l[3], kWhite);
}

FrameBuffer gameScreen(const Display& d, const std::string& art, const Font& font) {
  FrameBuffer fb(d.w, d.h);
  SpriteBank bank;
  bank.load(art + "/Game_Sprite/" + kBoardBanks[d.small() ? 0 : 1] + ".spr");
  fb.fill(kGameBackground);
  const int n = 8, pitch = d.small() ? 17 : 22;
  const int ox = d.small() ? d.w / 2 - 17 * n / 2 : d.w / 2 - 11 * n;
  const int oy = d.small() ? 110 - 17 * n / 2 : 40;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      if ((x == 0 || x == n - 1) && (y == 0 || y == n - 1)) continue;
      int marker = (x * 3 + y * 5) % 7, tile = (x * 5 + y * 3) % 9;
      int px = ox + x * pitch, py = oy + y * pitch;
      blitKeyedClipped(bank.sprite(marker < 4 ? kSpriteMarkerCell + marker : kSpriteEmptyCell), fb,
                       px, py, false);
      if (tile < 4) blitKeyedClipped(bank.sprite(kSpriteTile + tile), fb, px, py, false);
    }
  }
  cursorOutline(fb, ox + 3 * pitch, oy + 2 * pitch, d.small());
  const Sprite* bar = bank.sprite(kSpriteStatusBar);
  blitOpaqueClipped(bar, fb, d.w / 2, d.h - (bar ? bar->height : 0) - 2, true);
  const_cast<Font&>(font).setColour(kBlack);
  font.drawTextCentred(d.small() ? d.h - 15 : d.h - 22,
                       "Level 12 or " + std::to_string(kLevelCount), fb);
  if (!d.small()) {
    blitOpaqueClipped(bank.sprite(kSpriteMenuButton), fb, d.w - 30, 10, true);
    blitOpaqueClipped(bank.sprite(kSpriteRotateLeftButton), fb, 26, d.h - 50, true);
    blitOpaqueClipped(bank.sprite(kSpriteRotateRightButton), fb, d.w - 50, d.h - 50, true);
    const_cast<Font&>(font).setColour(kWhite);
    font.drawText(10, 10, "Restart", fb);
  }
  return fb;
}

FrameBuffer menuScreen(const Display& d, const std::string& art) {
  FrameBuffer fb(d.w, d.h);
  SpriteBank bank;
  bank.load(art + "/Game_Sprite/" + kInterfaceBanks[d.small() ? 0 : 1] + ".spr");
  const Sprite* title = bank.sprite(kSpriteMenuTitle);
  const int th = title ? title->height : 0, half = th / 2;
  blitOpaqueClipped(title, fb, d.w / 2, half, true);
  for (size_t k = 0; k < kMenuEntrySprites.size(); ++k)
    blitOpaqueClipped(bank.sprite(kMenuEntrySprites[k]), fb, d.w / 2,
                      2 * half + th + static_cast<int>(k) * th, true);
  const int D = d.small() ? 64 : 88, y = 2 * half + th + 1 * th;
  blitKeyed(bank.sprite(kSpriteCursor), fb, d.w / 2 - D, y, true);
  blitKeyed(bank.sprite(kSpriteCursor), fb, d.w / 2 + D, y, true);
  return fb;
}

// Where panelScreen put the two buttons: the x of each one's middle, and
// the y of both.
struct ButtonRow {
  int leftX, rightX, y;
};

// Title, panels and the two buttons at rest, as options, help and the
// confirmation lay them out.
ButtonRow panelScreen(FrameBuffer& fb, const Display& d, const std::string& art,
                      uint32_t titleIndex) {
  SpriteBank bank;
  bank.load(art + "/Game_Sprite/" + kInterfaceBanks[d.small() ? 0 : 1] + ".spr");
  const Sprite* title = bank.sprite(titleIndex);
  const Sprite* button = bank.sprite(kSpriteButton);
  const int th = title ? title->height : 0, bw = button ? button->width : 0,
            bh = button ? button->height : 0;
  blitOpaqueClipped(title, fb, d.w / 2, th / 2, true);
  const int rows = d.small() ? 5 : 6;
  for (int r = 0; r < rows; ++r) {
    const uint32_t sprite = r == 0          ? kSpriteTopPanel
                            : r == rows - 1 ? kSpriteBottomPanel
                                            : kSpriteMiddlePanel;
    blitOpaqueClipped(bank.sprite(sprite), fb, d.w / 2, th / 2 + th + r * th, true);
  }
  const int Y = d.small() ? th / 2 + th + 5 * th : th / 2 + th + 7 * th - 2 * bh;
  const ButtonRow buttons{d.w / 2 - bw / 2, d.w / 2 + bw / 2, d.small() ? Y - 6 : Y + 4};
  blitOpaqueClipped(button, fb, buttons.leftX, buttons.y, true);
  blitOpaqueClipped(button, fb, buttons.rightX, buttons.y, true);
  return buttons;
}

FrameBuffer optionsScreen(const Display& d, const std::string& art, Font& font) {
  FrameBuffer fb(d.w, d.h);
  const ButtonRow buttons = panelScreen(fb, d, art, kSpriteOptionsTitle);
  const char* labels[9] = {"Sound",       "Move Up",      "Move Down", "Move Left", "Move Right",
                           "Rotate Left", "Rotate Right", "Restart",   "Quit"};
  const char* values[9] = {"On",        "Up",         "Down", "Left",     "Right",
                           "Press Key", "Right Menu", "*",    "Left Menu"};
  const int B = d.small() ? 44 : 58, LX = d.small() ? d.w / 2 - 60 : d.w / 2 - 80;
  const int VX = d.small() ? d.w / 2 + 30 : d.w / 2 + 35;
  for (int r = 0; r < 9; ++r) {
    font.setColour(r == 2 ? kHighlightRed : kTextGrey);
    font.drawText(LX, B + 16 * r, labels[r], fb);
    font.drawText(VX, B + 16 * r, values[r], fb);
  }
  font.setColour(kTextGrey);
  const int y = buttons.y - (d.small() ? 2 : 4);
  font.drawText(buttons.leftX - (d.small() ? 10 : 12), y, "DONE", fb);
  font.drawText(buttons.rightX - (d.small() ? 14 : 18), y, "CHANGE", fb);
  return fb;
}

FrameBuffer helpScreen(const Display& d, const std::string& art, Font& font) {
  FrameBuffer fb(d.w, d.h);
  const ButtonRow buttons = panelScreen(fb, d, art, kSpriteHelpTitle);
  const int TX = d.small() ? d.w / 2 - 62 : d.w / 2 - 86, Y1 = d.small() ? 44 : 55;
  font.setColour(kTextGrey);
  font.drawText(TX, Y1,
                "Clear each level by rotating all the\nround markers into their\ncorresponding "
                "coloured tile.",
                fb);
  font.drawText(TX, Y1 + 64,
                "Once all the pegs are in position\nyou can proceed to the next\nlevel.", fb);
  font.drawText(buttons.leftX - (d.small() ? 10 : 12), buttons.y - (d.small() ? 2 : 4), "DONE", fb);
  return fb;
}

FrameBuffer confirmScreen(const Display& d, const std::string& art, Font& font) {
  FrameBuffer fb(d.w, d.h);
  const ButtonRow buttons = panelScreen(fb, d, art, kSpriteMenuTitle);
  font.setColour(kTextGrey);
  font.drawText(d.small() ? 26 : 34, d.small() ? 44 : 55, "Game in progress\n\nStart a new game ?",
                fb);
  const int lx = buttons.leftX, rx = buttons.rightX;
  if (d.small()) {
    // Centred on their buttons, as the confirmation screen draws them here.
    font.drawText(lx - (font.measureLine("YES") - 1) / 2, buttons.y - 2, "YES", fb);
    font.drawText(rx - (font.measureLine("NO") - 1) / 2, buttons.y - 2, "NO", fb);
  } else {
    font.drawText(lx - 8, buttons.y - 4, "YES", fb);
    font.drawText(rx - 6, buttons.y - 4, "NO", fb);
  }
  return fb;
}

FrameBuffer onlineScreen(const Display& d, const std::string& art, Font& font) {
  FrameBuffer fb(d.w, d.h);
  SpriteBank bank;
  bank.load(art + "/Game_Sprite/" + kOnlineBank + ".spr");
  Animation animation;
  animation.load(art + "/Game_Animation/" + kOnlineAnimation + ".ani");
  const int W = d.w;
  auto item = [&](uint32_t sprite, int x, int y) {
    blitOpaqueClipped(bank.sprite(sprite), fb, x, y, true);
  };
  item(kSpriteOnlineTitle, W / 2, 19);
  item(kSpriteLeftOrnament, W / 2 - 79, 19);
  item(kSpriteRightOrnament, W / 2 + 79, 19);
  item(kSpriteChain, W / 2 - 62, 42);
  item(kSpriteChain, W / 2 + 60, 42);
  item(kSpriteOnlinePanelTop, W / 2, 52);
  for (int y = 68; y <= 180; y += 16) item(kSpriteOnlinePanelRow, W / 2, y);
  item(kSpriteOnlinePanelBottom, W / 2, 196);
  item(kSpriteOnlineButton, W / 2 - 46, 212);
  item(kSpriteOnlineButton, W / 2 + 46, 212);
  for (int i = 0; i < kStepCount; ++i) {
    blitKeyed(bank.sprite(kSpriteFirstStep + i), fb, W / 2 - 45, 60 + 30 * i, true);
    blitKeyed(bank.sprite(kSpriteStepMarker), fb, W / 2 - 55, 68 + 30 * i, true);
  }
  blitKeyed(bank.sprite(kSpriteTick), fb, W / 2 - 55, 68, true);
  AnimationSequence* busy = animation.sequence(0);
  if (busy) {
    for (int i = 0; i < 7; ++i) AnimationPlayer::advance(*busy);
    const AnimationCommand* c = AnimationPlayer::currentCommand(*busy);
    if (c && c->type == 0)
      blitKeyed(bank.sprite(static_cast<uint32_t>(c->argument)), fb, W / 2 - 55, 98, true);
  }
  font.setColour(kTextGrey);
  font.drawText(W / 2 - 60, 170, "An error occured. Please try later.", fb);
  font.drawText(34, 208, "DONE", fb);
  font.drawText(115, 208, "CONNECT", fb);
  return fb;
}

// The intro at a few moments, played as the intro screen plays it.
std::vector<FrameBuffer> introShots(const Display& d, const std::string& art, int* length) {
  std::vector<FrameBuffer> shots;
  SpriteBank bank;
  bank.load(art + "/Game_Sprite/intro.spr");
  Animation animation;
  animation.load(art + "/Game_Animation/intro.ani");
  AnimationSequence* s = animation.sequence(0);
  FrameBuffer fb(d.w, d.h);
  const int moments[] = {10, 40, 55, 70, 90};
  int tick = 0;
  size_t next = 0;
  while (s) {
    const AnimationCommand* c = AnimationPlayer::currentCommand(*s);
    if (c && c->type == 0)
      blitOpaque(bank.sprite(static_cast<uint32_t>(c->argument)), fb, c->x + d.w / 2,
                 c->y + d.w / 2, true);
    ++tick;
    if (next < std::size(moments) && tick == moments[next]) {
      shots.push_back(fb);
      ++next;
    }
    if (AnimationPlayer::advance(*s) == 0 || tick > 1000) break;
  }
  shots.push_back(fb);
  *length = tick;
  return shots;
}

}  // namespace

bool writePreviews(const std::string& art, const std::string& out) {
  bool ok = true;
  for (const Display& d : {Display{176, 220}, Display{240, 320}}) {
    Font font;
    font.load(art + "/Game_Sprite/font" + d.suffix() + ".spr");
    ok &= writeStrip(
        out + "/screens" + d.suffix() + ".png",
        {gameScreen(d, art, font), menuScreen(d, art), optionsScreen(d, art, font),
         helpScreen(d, art, font), confirmScreen(d, art, font), onlineScreen(d, art, font)});
    int length = 0;
    ok &= writeStrip(out + "/intro" + d.suffix() + ".png", introShots(d, art, &length));
    std::printf("intro on %dx%d: %d frames\n", d.w, d.h, length);
  }
  return ok;
}

}  // namespace bt::art
