#pragma once
// The online score screen's bank (Game_Sprite\interface.spr), the same on
// both art sets, and its busy indicator (Game_Animation\interface.ani,
// sequence 0). Pictures without a name here are blank.
#include <cstdint>
#include <string>

namespace bt {

inline constexpr const char* kOnlineBank = "interface";
inline constexpr const char* kOnlineAnimation = "interface";

inline constexpr uint32_t kSpriteOnlineTitle = 4;
inline constexpr uint32_t kSpriteLeftOrnament = 5;
inline constexpr uint32_t kSpriteRightOrnament = 6;
inline constexpr uint32_t kSpriteChain = 16;
inline constexpr uint32_t kSpriteOnlineButton = 17;
inline constexpr uint32_t kSpriteOnlinePanelTop = 19;
inline constexpr uint32_t kSpriteOnlinePanelRow = 20;
inline constexpr uint32_t kSpriteOnlinePanelBottom = 21;
// The three steps' names (connect, exchange, scores) from here on.
inline constexpr uint32_t kSpriteFirstStep = 22;
inline constexpr int kStepCount = 3;
inline constexpr uint32_t kSpriteStepMarker = 25;
inline constexpr uint32_t kSpriteTick = 26;
// The busy indicator's frames from here on, after every other picture.
inline constexpr uint32_t kSpriteFirstBusyFrame = 27;
inline constexpr int kBusyFrameCount = 8;
inline constexpr uint32_t kOnlineSpriteCount = kSpriteFirstBusyFrame + kBusyFrameCount;

// For Application::makePath.
inline std::string onlineBankPath() {
  return std::string("Game_Sprite\\") + kOnlineBank + ".spr";
}
inline std::string onlineAnimationPath() {
  return std::string("Game_Animation\\") + kOnlineAnimation + ".ani";
}

}  // namespace bt
