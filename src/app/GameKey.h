#pragma once
// The key codes the screens see. The window procedure turns the platform's
// virtual-key codes into these; keys without a code are dropped before they
// reach the application.
#include <cstdint>
#include <optional>

namespace bt {

using GameKey = uint8_t;

// Never produced by the keypad: a key-map entry waiting for its new key, and
// an entry without a key.
inline constexpr GameKey kKeyAwaiting = 0;
inline constexpr GameKey kKeyNone = 254;

inline constexpr GameKey kKeyLeft = 1;
inline constexpr GameKey kKeyRight = 2;
inline constexpr GameKey kKeyUp = 3;
inline constexpr GameKey kKeyDown = 4;
inline constexpr GameKey kKeyDigit1 = 5;  // digits 1 to 9 are 5 to 13
inline constexpr GameKey kKeyDigit2 = 6;
inline constexpr GameKey kKeyDigit3 = 7;
inline constexpr GameKey kKeyDigit4 = 8;
inline constexpr GameKey kKeyDigit5 = 9;
inline constexpr GameKey kKeyDigit6 = 10;
inline constexpr GameKey kKeyDigit7 = 11;
inline constexpr GameKey kKeyDigit8 = 12;
inline constexpr GameKey kKeyDigit9 = 13;
inline constexpr GameKey kKeyDigit0 = 14;
inline constexpr GameKey kKeyLeftSoft = 15;
inline constexpr GameKey kKeyRightSoft = 16;
inline constexpr GameKey kKeyAction = 17;
inline constexpr GameKey kKeyBack = 18;
inline constexpr GameKey kKeyStar = 19;
inline constexpr GameKey kKeyHash = 20;
inline constexpr GameKey kKeyVolumeUp = 21;
inline constexpr GameKey kKeyVolumeDown = 22;
inline constexpr GameKey kKeyF1 = 23;  // further device keys F1 to F10 are 23 to 32
inline constexpr GameKey kKeyF2 = 24;
inline constexpr GameKey kKeyF3 = 25;
inline constexpr GameKey kKeyF4 = 26;
inline constexpr GameKey kKeyF5 = 27;
inline constexpr GameKey kKeyF6 = 28;
inline constexpr GameKey kKeyF7 = 29;
inline constexpr GameKey kKeyF8 = 30;
inline constexpr GameKey kKeyF9 = 31;
inline constexpr GameKey kKeyF10 = 32;
inline constexpr GameKey kFirstDeviceKey = kKeyLeft;
inline constexpr GameKey kLastDeviceKey = kKeyF10;

// The key of a key-down / key-up message's virtual-key code; nullopt for a
// code without one. Both tables hold the same pairs, so press and release of
// one key give the same code.
std::optional<GameKey> keyDownTable(uint32_t virtualKey);
std::optional<GameKey> keyUpTable(uint32_t virtualKey);

// The virtual-key code that produces key (for scripted input); nullopt for
// 0, 254 and codes outside the table.
std::optional<uint32_t> virtualKeyOf(GameKey key);

}  // namespace bt
