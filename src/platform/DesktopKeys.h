#pragma once
// The keyboard of a desktop or a browser as the phone's virtual-key codes
// (the table is in the README, section "Keys"). Each backend names its keys
// as DesktopKey; this one table decides what they mean, so that the window
// and the page play with the same keys.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/VirtualKeys.h"

namespace bt::platform {

// The digits, the keypad's digits and F1 to F12 each stand in order, so that
// offsetKey counts through them.
// clang-format off
enum class DesktopKey {
  Left, Up, Right, Down,
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Keypad0, Keypad1, Keypad2, Keypad3, Keypad4, Keypad5, Keypad6, Keypad7, Keypad8, Keypad9,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Return, KeypadEnter, Space, Escape, Backspace,
  KeypadMultiply, Backquote, KeypadDivide, Quote,
  KeypadPlus, PageUp, KeypadMinus, PageDown,
  U, Z,
};
// clang-format on

// The key count places after first in the enum (F1 + 4 is F5).
constexpr DesktopKey offsetKey(DesktopKey first, int count) {
  return static_cast<DesktopKey>(static_cast<int>(first) + count);
}

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// A browser's name for a key (KeyboardEvent.code: "ArrowLeft", "Digit7",
// "NumpadEnter"), nullopt for keys the table lacks.
std::optional<DesktopKey> desktopKeyOfCode(std::string_view code);

// The phone's code for a key alone, nullopt for keys the phone lacks.
std::optional<uint32_t> virtualKeyOf(DesktopKey key);
// The same for a key with its modifiers, adding the desktop's own keys:
// Ctrl+Z and U give kVkUndo. The fullscreen toggle gives nothing, so the
// phone's "F9" is Shift+F11.
std::optional<uint32_t> virtualKeyOf(DesktopKey key, KeyModifiers modifiers);
// F11 (without Shift) and Alt+Enter switch between window and fullscreen.
bool isFullscreenToggle(DesktopKey key, KeyModifiers modifiers);

}  // namespace bt::platform
