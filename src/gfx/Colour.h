#pragma once
// RGB565 colours: bits 15-11 red, 10-5 green, 4-0 blue.
#include <cstdint>

namespace bt {

inline constexpr uint16_t kBlack = 0x0000;
inline constexpr uint16_t kWhite = 0xFFFF;
inline constexpr uint16_t kTextGrey = 0xD67A;
inline constexpr uint16_t kHighlightRed = 0xF800;
inline constexpr uint16_t kGameBackground = 0x51E0;

// Drops the low bits of each 8-bit channel.
constexpr uint16_t rgb565(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
}
// Widens each channel back to 8 bits (low bits zero).
constexpr uint8_t red8(uint16_t c) {
  return static_cast<uint8_t>((c >> 8) & 0xF8);
}
constexpr uint8_t green8(uint16_t c) {
  return static_cast<uint8_t>((c >> 3) & 0xFC);
}
constexpr uint8_t blue8(uint16_t c) {
  return static_cast<uint8_t>((c << 3) & 0xF8);
}

}  // namespace bt
