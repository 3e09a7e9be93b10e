#pragma once
// The settings record, kept as exactly its 12 bytes in "settings.dat".
#include <cstdint>
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

// A missing file leaves s unchanged; a short one sets the bytes it holds and
// leaves the rest. True when the file was opened.
bool loadSettings(Settings& s, const std::string& path);
// Replaces the file atomically; false when it could not be written.
bool saveSettings(const Settings& s, const std::string& path);

}  // namespace bt
