#include "app/GameKey.h"

#include <array>
#include <utility>

namespace bt {
namespace {

// Virtual-key code and key code of every device key; the digits and the
// further keys F3 to F10 are contiguous runs.
struct KeyPair {
  uint32_t virtualKey;
  GameKey key;
};

constexpr std::array<KeyPair, 32> kKeyPairs = [] {
  std::array<KeyPair, 32> pairs{};
  size_t n = 0;
  pairs[n++] = {37, kKeyLeft};
  pairs[n++] = {39, kKeyRight};
  pairs[n++] = {38, kKeyUp};
  pairs[n++] = {40, kKeyDown};
  for (uint32_t digit = 1; digit <= 9; ++digit) {
    pairs[n++] = {48 + digit, static_cast<GameKey>(kKeyDigit1 + digit - 1)};
  }
  pairs[n++] = {48, kKeyDigit0};
  pairs[n++] = {112, kKeyLeftSoft};
  pairs[n++] = {113, kKeyRightSoft};
  pairs[n++] = {13, kKeyAction};
  pairs[n++] = {27, kKeyBack};
  pairs[n++] = {192, kKeyStar};
  pairs[n++] = {222, kKeyHash};
  pairs[n++] = {117, kKeyVolumeUp};
  pairs[n++] = {118, kKeyVolumeDown};
  pairs[n++] = {114, kKeyF1};
  pairs[n++] = {115, kKeyF2};
  for (uint32_t code = 194; code <= 201; ++code) {
    pairs[n++] = {code, static_cast<GameKey>(code - 169)};
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
