#include "app/Settings.h"

#include <array>
#include <cstdio>

#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"

namespace bt {
namespace {

constexpr size_t kKeyMapOffset = 3;

// The record's bytes in file order: reserved, soundOn, gameInProgress, then
// the nine key-map entries.
std::array<uint8_t*, kSettingsFileBytes> fieldsOf(Settings& s) {
  std::array<uint8_t*, kSettingsFileBytes> fields{&s.reserved, &s.soundOn, &s.gameInProgress};
  for (size_t i = 0; i < s.keyMap.size(); ++i) fields[kKeyMapOffset + i] = &s.keyMap[i];
  return fields;
}

bool isKeyMapValue(uint8_t code) {
  return code == kKeyAwaiting || code == kKeyNone ||
         (code >= kFirstDeviceKey && code <= kLastDeviceKey);
}

bool holdsImpossibleKey(const std::vector<uint8_t>& bytes) {
  for (size_t i = kKeyMapOffset; i < bytes.size() && i < kSettingsFileBytes; ++i) {
    if (!isKeyMapValue(bytes[i])) return true;
  }
  return false;
}

// The options screen always leaves at least one action with a key (a key
// taken from one action goes to another), so a map without any comes from
// damage, never from the player.
bool noActionHasKey(const KeyMap& map) {
  for (int entry = kActionMoveUp; entry <= kActionQuit; ++entry) {
    const uint8_t code = map[static_cast<size_t>(entry)];
    if (code >= kFirstDeviceKey && code <= kLastDeviceKey) return false;
  }
  return true;
}

void setAside(const std::string& path, const std::string& damage) {
  const std::string aside = path + ".damaged";
  if (std::rename(path.c_str(), aside.c_str()) == 0) {
    warn(quote(path) + " is damaged (" + damage + "); the default settings are used and " +
         "the file is kept as " + quote(aside));
  } else {
    warn(quote(path) + " is damaged (" + damage + ") and cannot be set aside; the " +
         "default settings are used");
  }
}

}  // namespace

SettingsFile loadSettings(Settings& s, const std::string& path) {
  std::string whyNot;
  std::optional<std::vector<uint8_t>> bytes = os::readFile(path, 256u << 20, &whyNot);
  if (!bytes) {
    if (!os::exists(path)) return SettingsFile::Missing;
    warn("cannot read " + quote(path) + " (" + whyNot +
         "); the default settings are used and the file is left as it is");
    return SettingsFile::Unreadable;
  }
  Settings read = s;
  std::array<uint8_t*, kSettingsFileBytes> fields = fieldsOf(read);
  for (size_t i = 0; i < fields.size() && i < bytes->size(); ++i) *fields[i] = (*bytes)[i];
  const char* damage = holdsImpossibleKey(*bytes)    ? "a key no keypad has"
                       : noActionHasKey(read.keyMap) ? "no action has a key"
                                                     : nullptr;
  if (damage != nullptr) {
    s = Settings{};
    setAside(path, damage);
    return SettingsFile::Damaged;
  }
  s = read;
  return SettingsFile::Read;
}

bool saveSettings(const Settings& s, const std::string& path, std::string* whyNot) {
  Settings copy = s;
  std::array<uint8_t, kSettingsFileBytes> bytes{};
  std::array<uint8_t*, kSettingsFileBytes> fields = fieldsOf(copy);
  for (size_t i = 0; i < fields.size(); ++i) bytes[i] = *fields[i];
  return os::writeFileAtomically(path, bytes.data(), bytes.size(), whyNot,
                                 os::Replace::ReadableFile);
}

}  // namespace bt
