#pragma once
// The sum the player's files of records end with: 32-bit FNV-1a of the
// contents before it. A stored file cut short reads as zeros to its end,
// which the sum then refuses.
#include <cstddef>
#include <cstdint>

namespace bt {

constexpr uint32_t fnv1a32(const uint8_t* data, size_t n) {
  uint32_t hash = 0x811c9dc5u;
  for (size_t i = 0; i < n; ++i) hash = (hash ^ data[i]) * 0x01000193u;
  return hash;
}

}  // namespace bt
