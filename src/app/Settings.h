#pragma once
// The settings record, kept as exactly its 12 bytes in "settings.dat".
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "app/KeyMap.h"

namespace bt {

struct Settings {
  uint8_t reserved = 0;  // kept as read and written back; nothing depends on it
  uint8_t soundOn = 0;   // non-zero = sound on
  uint8_t gameInProgress = 0;
  KeyMap keyMap = kDefaultKeyMap;
};

inline constexpr size_t kSettingsFileBytes = 12;

// The record the file's bytes give: a short file sets the bytes it holds and
// leaves the rest at the defaults; bytes past the twelfth are ignored.
// nullopt, with why, for a damaged one: a key map holding a value that is
// none of the keypad's codes, kKeyAwaiting or kKeyNone, or one in which no
// action (entries 0 to 7) has a key. A map with some actions left without a
// key is read as it is.
std::optional<Settings> decodeSettings(std::span<const uint8_t> bytes, std::string& why);
// The file's twelve bytes.
std::array<uint8_t, kSettingsFileBytes> encodeSettings(const Settings& s);

}  // namespace bt
