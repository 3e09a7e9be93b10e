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
// these codes: the application resolves them for the screen it shows (see
// app/Controls), so that the phone's keys keep their meanings everywhere.
inline constexpr uint32_t kVkUndo = 90;     // Ctrl+Z: take the last step back
inline constexpr uint32_t kVkEscape = 128;  // leave as the screen's leaving soft key
inline constexpr uint32_t kVkEnter = 129;   // Action, or "DONE" where Action does nothing
inline constexpr uint32_t kVkRedo = 130;    // Ctrl+Y: step forward again
inline constexpr uint32_t kVkLegend = 131;  // '?': show or hide the key legend
// A letter alone ('A' is kVkLetterA, 'Z' kVkLetterA + 25), and with Shift.
inline constexpr uint32_t kVkLetterA = 132;
inline constexpr uint32_t kVkShiftLetterA = 158;
inline constexpr int kLetterCount = 26;
// The page's checkbox for the moves in the picture: set, or cleared.
inline constexpr uint32_t kVkMovesShown = 184;
inline constexpr uint32_t kVkMovesHidden = 185;
// The page's Levels button: the level select where the main menu's L opens
// it, and nothing elsewhere (never a letter typed into a name).
inline constexpr uint32_t kVkLevelSelect = 186;

// A letter's code, alone or with Shift.
constexpr uint32_t letterKey(char letter, bool shift = false) {
  return (shift ? kVkShiftLetterA : kVkLetterA) + static_cast<uint32_t>(letter - 'A');
}
// The letter 'A' to 'Z' of a letter's code (with Shift or not), else 0.
constexpr char letterOf(uint32_t code) {
  if (code >= kVkLetterA && code < kVkLetterA + kLetterCount) {
    return static_cast<char>('A' + (code - kVkLetterA));
  }
  if (code >= kVkShiftLetterA && code < kVkShiftLetterA + kLetterCount) {
    return static_cast<char>('A' + (code - kVkShiftLetterA));
  }
  return 0;
}
constexpr bool isShiftedLetter(uint32_t code) {
  return code >= kVkShiftLetterA && code < kVkShiftLetterA + kLetterCount;
}
// True for the codes above: the desktop's own keys.
constexpr bool isDesktopKey(uint32_t code) {
  return code == kVkUndo || (code >= kVkEscape && code <= kVkLevelSelect);
}

}  // namespace bt::platform
