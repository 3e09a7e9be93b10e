#pragma once
// The banks and scripts the generator writes, one function per file.
#include <vector>

#include "BitmapFont.h"
#include "BoardArt.h"
#include "gfx/AnimationWriter.h"
#include "gfx/SpriteBankWriter.h"

namespace bt::art {

struct Fonts {
  BitmapFont small;  // 176x220
  BitmapFont large;  // 240x320
};

// Sizes of the menu-style pictures for one display.
struct InterfaceLayout {
  int width;        // display width
  int titleHeight;  // TH: sets the menu's row spacing
  int entryWidth, entryHeight;
  int cursorSize;
  int panelWidth;
  int buttonWidth, buttonHeight;
  int titleScale;  // sub-pixel units per font pixel of the titles
  int entryScale;
};

inline constexpr InterfaceLayout kInterface176{176, 32, 104, 26, 14, 168, 80, 16, 36, 24};
inline constexpr InterfaceLayout kInterface240{240, 40, 148, 32, 18, 224, 104, 24, 48, 32};

std::vector<SpriteImage> interfaceBank(const InterfaceLayout& layout, const Fonts& fonts);

// interface.spr (the online score screen) and its busy indicator.
std::vector<SpriteImage> onlineBank(const Fonts& fonts);
AnimationScript onlineBusyScript();

struct IntroArt {
  std::vector<SpriteImage> sprites;
  AnimationScript script;
};
IntroArt introArt(const Fonts& fonts);

}  // namespace bt::art
