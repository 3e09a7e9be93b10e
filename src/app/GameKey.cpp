#include "app/GameKey.h"

#include <array>
#include <utility>

#include "platform/VirtualKeys.h"

namespace bt {
namespace {

// Virtual-key code and key code of every device key; the digits and the
// further keys F3 to F10 are contiguous runs.
struct KeyPair {
  uint32_t virtualKey;
  GameKey key;
};

constexpr std::array<KeyPair, 32> kKeyPairs = [] {
  using namespace platform;
  std::array<KeyPair, 32> pairs{};
  size_t n = 0;
  pairs[n++] = {kVkLeft, kKeyLeft};
  pairs[n++] = {kVkRight, kKeyRight};
  pairs[n++] = {kVkUp, kKeyUp};
  pairs[n++] = {kVkDown, kKeyDown};
  for (uint32_t vk = kVkDigit1; vk <= kVkDigit9; ++vk) {
    pairs[n++] = {vk, static_cast<GameKey>(kKeyDigit1 + (vk - kVkDigit1))};
  }
  pairs[n++] = {kVkDigit0, kKeyDigit0};
  pairs[n++] = {kVkLeftSoft, kKeyLeftSoft};
  pairs[n++] = {kVkRightSoft, kKeyRightSoft};
  pairs[n++] = {kVkAction, kKeyAction};
  pairs[n++] = {kVkBack, kKeyBack};
  pairs[n++] = {kVkStar, kKeyStar};
  pairs[n++] = {kVkHash, kKeyHash};
  pairs[n++] = {kVkVolumeUp, kKeyVolumeUp};
  pairs[n++] = {kVkVolumeDown, kKeyVolumeDown};
  pairs[n++] = {kVkF1, kKeyF1};
  pairs[n++] = {kVkF2, kKeyF2};
  for (uint32_t vk = kVkF3; vk <= kVkF10; ++vk) {
    pairs[n++] = {vk, static_cast<GameKey>(kKeyF3 + (vk - kVkF3))};
  }
  return pairs;
}();

std::optional<GameKey> lookUp(uint32_t virtualKey) {
  for (const KeyPair& pair : kKeyPairs) {
    if (pair.virtualKey == virtualKey) return pair.key;
  }
  return std::nullopt;
}

}  // namespace

std::optional<GameKey> keyDownTable(uint32_t virtualKey) {
  return lookUp(virtualKey);
}

std::optional<GameKey> keyUpTable(uint32_t virtualKey) {
  return lookUp(virtualKey);
}

std::optional<uint32_t> virtualKeyOf(GameKey key) {
  for (const KeyPair& pair : kKeyPairs) {
    if (pair.key == key) return pair.virtualKey;
  }
  return std::nullopt;
}

}  // namespace bt
