#include "app/KeyMap.h"

#include <array>

namespace bt {
namespace {

// Names of the codes 0 to 32; 254 is "-".
constexpr std::array<const char*, 33> kKeyNames = {
    "Press Key", "Left", "Right", "Up",    "Down",   "1",  "2",         "3",          "4",
    "5",         "6",    "7",     "8",     "9",      "0",  "Left Menu", "Right Menu", "Action",
    "Back",      "*",    "#",     "VolUp", "VolDwn", "F1", "F2",        "F3",         "F4",
    "F5",        "F6",   "F7",    "F8",    "F9",     "F10"};

constexpr std::array<const char*, 8> kActionLabels = {"Move Up",    "Move Down",   "Move Left",
                                                      "Move Right", "Rotate Left", "Rotate Right",
                                                      "Restart",    "Quit"};

bool isEntry(int entry) {
  return entry >= 0 && entry < kActionCount;
}

}  // namespace

int findAction(const KeyMap& map, GameKey key) {
  for (int entry = 0; entry < kActionCount; ++entry) {
    if (map[entry] == key) return entry;
  }
  return kNoAction;
}

void assignKey(KeyMap& map, GameKey key, int entry) {
  if (!isEntry(entry)) return;
  map[entry] = key;
  for (int other = 0; other < kActionCount; ++other) {
    if (other != entry && map[other] == key) map[other] = kKeyNone;
  }
}

GameKey keyEntry(const KeyMap& map, int entry) {
  return isEntry(entry) ? map[entry] : kKeyNone;
}

const char* keyName(GameKey key) {
  if (key < kKeyNames.size()) return kKeyNames[key];
  return "-";
}

std::optional<GameKey> keyFromName(std::string_view name) {
  for (GameKey key = kFirstDeviceKey; key <= kLastDeviceKey; ++key) {
    if (name == kKeyNames[key]) return key;
  }
  return std::nullopt;
}

const char* actionLabel(int entry) {
  if (entry >= 0 && entry < static_cast<int>(kActionLabels.size())) return kActionLabels[entry];
  return nullptr;
}

}  // namespace bt
