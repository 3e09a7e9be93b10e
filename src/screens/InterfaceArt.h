#pragma once
// The interface sprite bank that the main menu, options, help and
// confirmation screens draw from, and the speeds their pictures slide in at.
#include <cstdint>

namespace bt {

// Pictures of the bank.
inline constexpr uint32_t kSpriteMenuTitle = 0;
inline constexpr uint32_t kSpriteOptionsTitle = 1;
inline constexpr uint32_t kSpriteHelpTitle = 4;
inline constexpr uint32_t kSpriteNewGameEntry = 5;
inline constexpr uint32_t kSpriteContinueEntry = 6;
inline constexpr uint32_t kSpriteOptionsEntry = 7;
inline constexpr uint32_t kSpriteHelpEntry = 9;
inline constexpr uint32_t kSpriteQuitEntry = 10;
inline constexpr uint32_t kSpriteTopPanel = 11;
inline constexpr uint32_t kSpriteMiddlePanel = 12;
inline constexpr uint32_t kSpriteBottomPanel = 13;
inline constexpr uint32_t kSpriteButton = 14;
inline constexpr uint32_t kSpriteCursor = 15;

// Rows come in from the sides this many pixels a frame on both displays.
inline constexpr int32_t kRowSpeed = 12;

// The bank of an art set, for Application::makePath.
inline const char* interfaceBankName(int artSet) {
  return artSet == 0 ? "Game_Sprite\\interface176x220.spr" : "Game_Sprite\\interface240x320.spr";
}

// Titles drop in fast on the small display and slowly on the large one;
// buttons rise at the same speed.
inline int32_t titleSpeed(int32_t displayWidth) {
  return displayWidth == 176 ? 8 : 2;
}

}  // namespace bt
