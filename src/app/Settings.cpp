#include "app/Settings.h"

#include <array>

#include "platform/os/FileSystem.h"

namespace bt {
namespace {

// The record's bytes in file order: reserved, soundOn, gameInProgress, then
// the nine key-map entries.
std::array<uint8_t*, kSettingsFileBytes> fieldsOf(Settings& s) {
  std::array<uint8_t*, kSettingsFileBytes> fields{&s.reserved, &s.soundOn, &s.gameInProgress};
  for (size_t i = 0; i < s.keyMap.size(); ++i) fields[3 + i] = &s.keyMap[i];
  return fields;
}

}  // namespace

bool loadSettings(Settings& s, const std::string& path) {
  std::optional<std::vector<uint8_t>> bytes = os::readFile(path);
  if (!bytes) return false;
  std::array<uint8_t*, kSettingsFileBytes> fields = fieldsOf(s);
  for (size_t i = 0; i < fields.size() && i < bytes->size(); ++i) *fields[i] = (*bytes)[i];
  return true;
}

bool saveSettings(const Settings& s, const std::string& path) {
  Settings copy = s;
  std::array<uint8_t, kSettingsFileBytes> bytes{};
  std::array<uint8_t*, kSettingsFileBytes> fields = fieldsOf(copy);
  for (size_t i = 0; i < fields.size(); ++i) bytes[i] = *fields[i];
  return os::writeFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace bt
