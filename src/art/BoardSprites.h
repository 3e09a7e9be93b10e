#pragma once
// The board bank of each art set (Game_Sprite\board176x220.spr and
// board240x320.spr): what the game screen draws.
#include <array>
#include <cstdint>
#include <string>

namespace bt {

inline constexpr std::array<const char*, 2> kBoardBanks = {"board176x220", "board240x320"};

// A cell with a marker of colour c (0 to 3) is picture kSpriteMarkerCell + c,
// a tile of colour c kSpriteTile + c.
inline constexpr uint32_t kSpriteMarkerCell = 0;
inline constexpr uint32_t kSpriteTile = 4;
inline constexpr uint32_t kSpriteEmptyCell = 8;
inline constexpr uint32_t kSpriteStatusBar = 9;
inline constexpr uint32_t kSpriteMenuButton = 10;
inline constexpr uint32_t kSpriteRotateLeftButton = 11;
inline constexpr uint32_t kSpriteRotateRightButton = 12;
inline constexpr uint32_t kBoardSpriteCount = 13;

// The bank of art set 0 (176x220) or 1 (240x320), for Application::makePath.
inline std::string boardBankPath(int artSet) {
  return std::string("Game_Sprite\\") + kBoardBanks[artSet == 0 ? 0 : 1] + ".spr";
}

}  // namespace bt
