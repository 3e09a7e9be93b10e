#pragma once
// Little-endian values at any alignment, for the formats read and written in
// place (stored-file lengths, wave chunks, counts in a bank's header).
// Streams of records go through ByteReader and ByteWriter, which use these.
#include <cstdint>
#include <vector>

namespace bt {

inline uint16_t loadLe16(const uint8_t* at) {
  return static_cast<uint16_t>(at[0] | at[1] << 8);
}

inline uint32_t loadLe32(const uint8_t* at) {
  return uint32_t{at[0]} | uint32_t{at[1]} << 8 | uint32_t{at[2]} << 16 | uint32_t{at[3]} << 24;
}

inline void storeLe16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}

inline void storeLe32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline void appendLe32(std::vector<uint8_t>& out, uint32_t value) {
  out.resize(out.size() + 4);
  storeLe32(out.data() + out.size() - 4, value);
}

}  // namespace bt
