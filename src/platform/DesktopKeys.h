#pragma once
// The keyboard of a desktop or a browser as the phone's virtual-key codes
// (the table is in docs/playing.md, section "Keys"). Each backend names its keys
// as DesktopKey; this one table decides what they mean, so that the window
// and the page play with the same keys.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/VirtualKeys.h"

namespace bt::platform {

// The digits, the keypad's digits, F1 to F12 and the letters each stand in
// order, so that offsetKey counts through them.
// clang-format off
enum class DesktopKey {
  Left, Up, Right, Down,
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Keypad0, Keypad1, Keypad2, Keypad3, Keypad4, Keypad5, Keypad6, Keypad7, Keypad8, Keypad9,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Return, KeypadEnter, Space, Escape, Backspace,
  KeypadMultiply, Backquote, KeypadDivide, Quote,
  KeypadPlus, PageUp, KeypadMinus, PageDown,
  Slash,
  A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
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

// The phone's code for a key alone, nullopt for keys the phone lacks (the
// letters, Escape, Enter and '/' among them).
std::optional<uint32_t> virtualKeyOf(DesktopKey key);
// The code a key with its modifiers sends: the phone's, or one of the
// desktop's own (VirtualKeys.h): Escape, Enter, '?' (the '/' key, with or
// without Shift), a letter alone or with Shift, Ctrl+Z (undo) and Ctrl+Y
// (redo). Other letters with Ctrl or Alt give nothing, so that the browser
// keeps its shortcuts; so does the fullscreen toggle, which makes the
// phone's "F9" Shift+F11.
std::optional<uint32_t> virtualKeyOf(DesktopKey key, KeyModifiers modifiers);
// F11 (without Shift) and Alt+Enter switch between window and fullscreen.
bool isFullscreenToggle(DesktopKey key, KeyModifiers modifiers);
// The keyboard's name of the key that sends a code, as the key legend shows
// it ("Space", "F1", "Esc", "Shift+U", "Ctrl+Z"); "" for a code no key sends.
std::string_view keyboardName(uint32_t virtualKey);

}  // namespace bt::platform
