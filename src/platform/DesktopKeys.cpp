#include "platform/DesktopKeys.h"

#include <array>
#include <utility>

namespace bt::platform {

namespace {

// How far key lies after first in the enum's run of keys.
uint32_t offsetIn(DesktopKey key, DesktopKey first) {
  return static_cast<uint32_t>(static_cast<int>(key) - static_cast<int>(first));
}

bool within(DesktopKey key, DesktopKey first, DesktopKey last) {
  return key >= first && key <= last;
}

// Browser names of the keys that do not come in numbered runs.
constexpr std::array<std::pair<std::string_view, DesktopKey>, 22> kCodeNames{{
    {"ArrowLeft", DesktopKey::Left},
    {"ArrowUp", DesktopKey::Up},
    {"ArrowRight", DesktopKey::Right},
    {"ArrowDown", DesktopKey::Down},
    {"Enter", DesktopKey::Return},
    {"NumpadEnter", DesktopKey::KeypadEnter},
    {"Space", DesktopKey::Space},
    {"Escape", DesktopKey::Escape},
    {"Backspace", DesktopKey::Backspace},
    {"NumpadMultiply", DesktopKey::KeypadMultiply},
    {"Backquote", DesktopKey::Backquote},
    {"NumpadDivide", DesktopKey::KeypadDivide},
    {"Quote", DesktopKey::Quote},
    {"NumpadAdd", DesktopKey::KeypadPlus},
    {"PageUp", DesktopKey::PageUp},
    {"NumpadSubtract", DesktopKey::KeypadMinus},
    {"PageDown", DesktopKey::PageDown},
    {"KeyU", DesktopKey::U},
    {"KeyZ", DesktopKey::Z},
    {"F10", DesktopKey::F10},
    {"F11", DesktopKey::F11},
    {"F12", DesktopKey::F12},
}};

// The digit of "Digit7", "Numpad7", "F7" (one digit after prefix), or -1.
int digitAfter(std::string_view code, std::string_view prefix) {
  if (code.size() != prefix.size() + 1 || !code.starts_with(prefix)) return -1;
  const char digit = code.back();
  return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

}  // namespace

std::optional<DesktopKey> desktopKeyOfCode(std::string_view code) {
  for (const auto& [name, key] : kCodeNames) {
    if (code == name) return key;
  }
  if (int digit = digitAfter(code, "Digit"); digit >= 0)
    return offsetKey(DesktopKey::Digit0, digit);
  if (int digit = digitAfter(code, "Numpad"); digit >= 0) {
    return offsetKey(DesktopKey::Keypad0, digit);
  }
  if (int digit = digitAfter(code, "F"); digit >= 1) return offsetKey(DesktopKey::F1, digit - 1);
  return std::nullopt;
}

std::optional<uint32_t> virtualKeyOf(DesktopKey key) {
  using enum DesktopKey;
  if (within(key, Digit0, Digit9)) return kVkDigit0 + offsetIn(key, Digit0);
  if (within(key, Keypad0, Keypad9)) return kVkDigit0 + offsetIn(key, Keypad0);
  // Keyboard F3 .. F12 are the phone's further keys "F1" .. "F10".
  if (within(key, F5, F12)) return kVkF3 + offsetIn(key, F5);
  switch (key) {
    case Left:
      return kVkLeft;
    case Up:
      return kVkUp;
    case Right:
      return kVkRight;
    case Down:
      return kVkDown;
    case F1:
      return kVkLeftSoft;
    case F2:
      return kVkRightSoft;
    case F3:
      return kVkF1;
    case F4:
      return kVkF2;
    case Return:
    case KeypadEnter:
    case Space:
      return kVkAction;
    case Escape:
    case Backspace:
      return kVkBack;
    case KeypadMultiply:
    case Backquote:
      return kVkStar;
    case KeypadDivide:
    case Quote:
      return kVkHash;
    case KeypadPlus:
    case PageUp:
      return kVkVolumeUp;
    case KeypadMinus:
    case PageDown:
      return kVkVolumeDown;
    default:
      return std::nullopt;
  }
}

bool isFullscreenToggle(DesktopKey key, KeyModifiers modifiers) {
  if (key == DesktopKey::F11) return !modifiers.shift;
  return (key == DesktopKey::Return || key == DesktopKey::KeypadEnter) && modifiers.alt;
}

std::optional<uint32_t> virtualKeyOf(DesktopKey key, KeyModifiers modifiers) {
  if (isFullscreenToggle(key, modifiers)) return std::nullopt;
  if (key == DesktopKey::U || (key == DesktopKey::Z && modifiers.ctrl)) return kVkUndo;
  return virtualKeyOf(key);
}

}  // namespace bt::platform
