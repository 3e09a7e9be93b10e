#pragma once
// Which key performs each game action: nine key codes, one per entry. Entry 8
// belongs to no action but still takes part in duplicate removal.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/GameKey.h"

namespace bt {

using KeyMap = std::array<uint8_t, 9>;

inline constexpr int kActionCount = 9;  // entries in a key map
inline constexpr int kNoAction = 9;     // findAction: no entry holds the key

// Entries: move up, down, left, right, rotate left, rotate right, restart,
// quit, and the unused entry 8.
inline constexpr int kActionMoveUp = 0;
inline constexpr int kActionMoveDown = 1;
inline constexpr int kActionMoveLeft = 2;
inline constexpr int kActionMoveRight = 3;
inline constexpr int kActionRotateLeft = 4;
inline constexpr int kActionRotateRight = 5;
inline constexpr int kActionRestart = 6;
inline constexpr int kActionQuit = 7;

inline constexpr KeyMap kDefaultKeyMap = {kKeyUp,    kKeyDown,     kKeyLeft,
                                          kKeyRight, kKeyAction,   kKeyBack,
                                          kKeyStar,  kKeyLeftSoft, kKeyRightSoft};

// Index of the first entry holding key, or kNoAction.
int findAction(const KeyMap& map, GameKey key);
// Stores key in entry and sets every other entry that held the same key to
// kKeyNone, so no key is ever held twice. An entry outside 0..8 is ignored.
void assignKey(KeyMap& map, GameKey key, int entry);
// The key stored in entry; kKeyNone for an entry outside 0..8.
GameKey keyEntry(const KeyMap& map, int entry);
// Display name of a key code ("Press Key" for 0, "Left", "1", "F10", "-" for
// 254); "-" for any code outside the table.
const char* keyName(GameKey key);
// Inverse of keyName for the device keys 1..32 ("Action", "Left Menu", "*",
// "2"); nullopt for any other text.
std::optional<GameKey> keyFromName(std::string_view name);
// Label of an action entry ("Move Up" ... "Quit"); nullptr for entry 8 and
// anything outside 0..7.
const char* actionLabel(int entry);

}  // namespace bt
