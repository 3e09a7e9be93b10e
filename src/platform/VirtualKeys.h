#pragma once
// The phone's virtual-key codes, as key messages carry them: what the desktop
// keyboard is translated into (sdl) and what the application turns into its
// key codes (app/GameKey).
#include <cstdint>

namespace bt::platform {

inline constexpr uint32_t kVkAction = 13;
inline constexpr uint32_t kVkBack = 27;
inline constexpr uint32_t kVkLeft = 37;
inline constexpr uint32_t kVkUp = 38;
inline constexpr uint32_t kVkRight = 39;
inline constexpr uint32_t kVkDown = 40;
inline constexpr uint32_t kVkDigit0 = 48;  // digits 0 to 9 are 48 to 57
inline constexpr uint32_t kVkDigit1 = 49;
inline constexpr uint32_t kVkDigit9 = 57;
inline constexpr uint32_t kVkLeftSoft = 112;
inline constexpr uint32_t kVkRightSoft = 113;
inline constexpr uint32_t kVkF1 = 114;  // the further device keys "F1" and "F2"
inline constexpr uint32_t kVkF2 = 115;
inline constexpr uint32_t kVkVolumeUp = 117;
inline constexpr uint32_t kVkVolumeDown = 118;
inline constexpr uint32_t kVkStar = 192;
inline constexpr uint32_t kVkF3 = 194;  // "F3" to "F10" are 194 to 201
inline constexpr uint32_t kVkF10 = 201;
inline constexpr uint32_t kVkHash = 222;

// Desktop keys the phone never had. No phone key and no key-map entry uses
// these codes: the application acts on them itself, before the key table.
inline constexpr uint32_t kVkUndo = 90;  // take the last rotation back

}  // namespace bt::platform
