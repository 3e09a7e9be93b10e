#pragma once
// The interface bank of each art set (Game_Sprite\interface176x220.spr and
// interface240x320.spr): what the main menu, options, help and confirmation
// screens draw. Pictures 2, 3 and 8 are blank.
#include <array>
#include <cstdint>
#include <string>

namespace bt {

inline constexpr std::array<const char*, 2> kInterfaceBanks = {"interface176x220",
                                                               "interface240x320"};

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
inline constexpr uint32_t kInterfaceSpriteCount = 16;

// The main menu's entries, top to bottom.
inline constexpr std::array<uint32_t, 5> kMenuEntrySprites = {
    kSpriteNewGameEntry, kSpriteContinueEntry, kSpriteOptionsEntry, kSpriteHelpEntry,
    kSpriteQuitEntry};

// The bank of art set 0 (176x220) or 1 (240x320), for Application::makePath.
inline std::string interfaceBankPath(int artSet) {
  return std::string("Game_Sprite\\") + kInterfaceBanks[artSet == 0 ? 0 : 1] + ".spr";
}

}  // namespace bt
