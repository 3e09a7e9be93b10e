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

// What loadSettings found at the path.
enum class SettingsFile {
  Missing,     // nothing there: the record is unchanged
  Read,        // the bytes it holds are set; a short file leaves the rest
  Damaged,     // a key no keypad has, or no action with a key: defaults, file set aside
  Unreadable,  // it exists but cannot be read: unchanged, and left alone
};

// Reads the file. A key map holding a value that is none of the keypad's
// codes, kKeyAwaiting or kKeyNone, or one in which no action (entries 0 to
// 7) has a key, gives the default record; the damaged file is renamed to
// PATH.damaged (replacing an older one), so that the next save does not
// destroy it. A map with some actions left without a key is read as it is.
// Damaged and unreadable files are each named in one warning line; bytes
// past the twelfth are ignored.
SettingsFile loadSettings(Settings& s, const std::string& path);
// Replaces the file atomically; false (and the reason in whyNot) when it
// could not be written. Something at path that cannot be read, or is no file
// (a device, a FIFO), is never replaced.
bool saveSettings(const Settings& s, const std::string& path, std::string* whyNot = nullptr);

}  // namespace bt
