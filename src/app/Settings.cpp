#include "app/Settings.h"

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

bool holdsImpossibleKey(std::span<const uint8_t> bytes) {
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

}  // namespace

std::optional<Settings> decodeSettings(std::span<const uint8_t> bytes, std::string& why) {
  Settings read;
  std::array<uint8_t*, kSettingsFileBytes> fields = fieldsOf(read);
  for (size_t i = 0; i < fields.size() && i < bytes.size(); ++i) *fields[i] = bytes[i];
  if (holdsImpossibleKey(bytes)) {
    why = "a key no keypad has";
    return std::nullopt;
  }
  if (noActionHasKey(read.keyMap)) {
    why = "no action has a key";
    return std::nullopt;
  }
  return read;
}

std::array<uint8_t, kSettingsFileBytes> encodeSettings(const Settings& s) {
  Settings copy = s;
  std::array<uint8_t, kSettingsFileBytes> bytes{};
  std::array<uint8_t*, kSettingsFileBytes> fields = fieldsOf(copy);
  for (size_t i = 0; i < fields.size(); ++i) bytes[i] = *fields[i];
  return bytes;
}

}  // namespace bt
