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
constexpr std::array<std::pair<std::string_view, DesktopKey>, 21> kCodeNames{{
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
    {"Slash", DesktopKey::Slash},
    {"F10", DesktopKey::F10},
    {"F11", DesktopKey::F11},
    {"F12", DesktopKey::F12},
}};

// Keyboard names of the phone's codes (the first key of each in the table)
// and of the desktop's own codes other than the letters.
constexpr std::array<std::pair<uint32_t, std::string_view>, 22> kKeyboardNames{{
    {kVkLeft, "Left"},
    {kVkUp, "Up"},
    {kVkRight, "Right"},
    {kVkDown, "Down"},
    {kVkLeftSoft, "F1"},
    {kVkRightSoft, "F2"},
    {kVkF1, "F3"},
    {kVkF2, "F4"},
    {kVkAction, "Space"},
    {kVkBack, "Backspace"},
    {kVkStar, "`"},
    {kVkHash, "'"},
    {kVkVolumeUp, "PgUp"},
    {kVkVolumeDown, "PgDn"},
    {kVkEscape, "Esc"},
    {kVkEnter, "Enter"},
    {kVkUndo, "Ctrl+Z"},
    {kVkRedo, "Ctrl+Y"},
    {kVkLegend, "?"},
    // Sent by the page's checkbox and button, no keyboard key.
    {kVkMovesShown, "moves shown"},
    {kVkMovesHidden, "moves hidden"},
    {kVkLevelSelect, "Levels"},
}};
constexpr std::string_view kDigitNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
// The phone's "F3" to "F10": keyboard F5 to F12, with F11 taken by fullscreen.
constexpr std::string_view kFurtherKeyNames[] = {"F5", "F6",  "F7",        "F8",
                                                 "F9", "F10", "Shift+F11", "F12"};
constexpr std::string_view kLetterNames = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kShiftedLetterNames[] = {
    "Shift+A", "Shift+B", "Shift+C", "Shift+D", "Shift+E", "Shift+F", "Shift+G",
    "Shift+H", "Shift+I", "Shift+J", "Shift+K", "Shift+L", "Shift+M", "Shift+N",
    "Shift+O", "Shift+P", "Shift+Q", "Shift+R", "Shift+S", "Shift+T", "Shift+U",
    "Shift+V", "Shift+W", "Shift+X", "Shift+Y", "Shift+Z"};

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
  if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z') {
    return offsetKey(DesktopKey::A, code[3] - 'A');
  }
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
    case Space:
      return kVkAction;
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
  using enum DesktopKey;
  if (isFullscreenToggle(key, modifiers)) return std::nullopt;
  switch (key) {
    case Escape:
      return kVkEscape;
    case Return:
    case KeypadEnter:
      return kVkEnter;
    case Slash:
      return kVkLegend;
    default:
      break;
  }
  if (!within(key, A, Z)) return virtualKeyOf(key);
  if (modifiers.ctrl && !modifiers.alt) {
    if (key == Z) return kVkUndo;
    if (key == Y) return kVkRedo;
  }
  if (modifiers.ctrl || modifiers.alt) return std::nullopt;
  return letterKey(static_cast<char>('A' + offsetIn(key, A)), modifiers.shift);
}

std::string_view keyboardName(uint32_t virtualKey) {
  if (const char letter = letterOf(virtualKey); letter != 0) {
    const auto index = static_cast<size_t>(letter - 'A');
    return isShiftedLetter(virtualKey) ? kShiftedLetterNames[index] : kLetterNames.substr(index, 1);
  }
  if (virtualKey >= kVkDigit0 && virtualKey <= kVkDigit9)
    return kDigitNames[virtualKey - kVkDigit0];
  if (virtualKey >= kVkF3 && virtualKey <= kVkF10) return kFurtherKeyNames[virtualKey - kVkF3];
  for (const auto& [code, name] : kKeyboardNames) {
    if (code == virtualKey) return name;
  }
  return {};
}

}  // namespace bt::platform
