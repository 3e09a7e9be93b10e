#pragma once
// Window messages as the frame loop sees them: the message number and its two
// parameters, packed the way the phone's window procedure receives them.
#include <cstdint>

namespace bt::platform {

inline constexpr uint32_t kMessageSetFocus = 7;
inline constexpr uint32_t kMessageKillFocus = 8;
inline constexpr uint32_t kMessageClose = 16;
inline constexpr uint32_t kMessageQuit = 18;
inline constexpr uint32_t kMessageSettingsChanged = 26;
inline constexpr uint32_t kMessageKeyDown = 256;  // wParam: virtual-key code
inline constexpr uint32_t kMessageKeyUp = 257;
inline constexpr uint32_t kMessagePenMove = 512;  // lParam: x low 16 bits, y high
inline constexpr uint32_t kMessagePenDown = 513;
inline constexpr uint32_t kMessagePenUp = 514;
// A later start handed something to open over (Platform::takeOpenRequest).
inline constexpr uint32_t kMessageOpenRequest = 0x8001;

struct Message {
  uint32_t id = 0;
  uint32_t wParam = 0;
  uint32_t lParam = 0;
};

inline constexpr uint32_t packPoint(uint16_t x, uint16_t y) {
  return static_cast<uint32_t>(x) | (static_cast<uint32_t>(y) << 16);
}
inline constexpr uint16_t pointX(uint32_t lParam) {
  return static_cast<uint16_t>(lParam & 0xFFFF);
}
inline constexpr uint16_t pointY(uint32_t lParam) {
  return static_cast<uint16_t>(lParam >> 16);
}

inline constexpr Message keyMessage(uint32_t id, uint32_t virtualKey) {
  return Message{id, virtualKey, 0};
}
inline constexpr Message penMessage(uint32_t id, uint16_t x, uint16_t y) {
  return Message{id, 0, packPoint(x, y)};
}

}  // namespace bt::platform
