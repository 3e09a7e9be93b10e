#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "platform/DesktopKeys.h"

namespace bt::platform {
namespace {

// The browser's key names through the one key table: the phone's codes, the
// desktop's own keys (Escape, Enter, '?', letters alone and with Shift, undo,
// redo), the fullscreen toggle and names that must mean nothing.
TEST(DesktopKeysTest, BrowserKeyNamesGiveThePhonesOrTheDesktopsCodes) {
  struct Case {
    std::string_view code;
    KeyModifiers modifiers;
    std::optional<uint32_t> virtualKey;
  };
  const KeyModifiers none, shift{true, false, false}, ctrl{false, true, false},
      alt{false, false, true}, ctrlShift{true, true, false};
  const Case cases[] = {
      {"ArrowLeft", none, kVkLeft},
      {"ArrowUp", none, kVkUp},
      {"ArrowRight", none, kVkRight},
      {"ArrowDown", none, kVkDown},
      {"Digit0", none, kVkDigit0},
      {"Digit9", none, kVkDigit9},
      {"Numpad0", none, kVkDigit0},
      {"Numpad7", none, kVkDigit0 + 7},
      {"F1", none, kVkLeftSoft},
      {"F2", none, kVkRightSoft},
      {"F3", none, kVkF1},
      {"F4", none, kVkF2},
      {"F5", none, kVkF3},
      {"F10", none, kVkF3 + 5},
      {"F11", shift, kVkF3 + 6},
      {"F12", none, kVkF10},
      {"Space", none, kVkAction},
      {"Backspace", none, kVkBack},
      {"NumpadMultiply", none, kVkStar},
      {"Backquote", none, kVkStar},
      {"NumpadDivide", none, kVkHash},
      {"Quote", none, kVkHash},
      {"NumpadAdd", none, kVkVolumeUp},
      {"PageUp", none, kVkVolumeUp},
      {"NumpadSubtract", none, kVkVolumeDown},
      {"PageDown", none, kVkVolumeDown},
      // The desktop's own keys.
      {"Escape", none, kVkEscape},
      {"Enter", none, kVkEnter},
      {"NumpadEnter", none, kVkEnter},
      {"Enter", shift, kVkEnter},
      {"Slash", none, kVkLegend},
      {"Slash", shift, kVkLegend},
      {"KeyA", none, kVkLetterA},
      {"KeyQ", none, letterKey('Q')},
      {"KeyE", none, letterKey('E')},
      {"KeyZ", none, letterKey('Z')},
      {"KeyU", none, letterKey('U')},
      {"KeyU", shift, letterKey('U', true)},
      {"KeyB", shift, kVkShiftLetterA + 1},
      {"KeyZ", ctrl, kVkUndo},
      {"KeyY", ctrl, kVkRedo},
      {"KeyY", ctrlShift, kVkRedo},
      // Shortcuts of the browser stay the browser's.
      {"KeyU", ctrl, std::nullopt},
      {"KeyR", ctrl, std::nullopt},
      {"KeyQ", alt, std::nullopt},
      {"F11", none, std::nullopt},
      {"Enter", alt, std::nullopt},
      {"", none, std::nullopt},
      {"Key", none, std::nullopt},
      {"KeyAB", none, std::nullopt},
      {"Keya", none, std::nullopt},
      {"Tab", none, std::nullopt},
      {"Digit", none, std::nullopt},
      {"Digit10", none, std::nullopt},
      {"F0", none, std::nullopt},
      {"F13", none, std::nullopt},
      {"NumpadX", none, std::nullopt},
      {"arrowleft", none, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "\"" << c.code << "\" shift " << c.modifiers.shift << " ctrl "
                 << c.modifiers.ctrl << " alt " << c.modifiers.alt);
    const auto key = desktopKeyOfCode(c.code);
    const auto virtualKey = key ? virtualKeyOf(*key, c.modifiers) : std::nullopt;
    EXPECT_EQ(virtualKey, c.virtualKey);
    if (virtualKey) {
      EXPECT_NE(isDesktopKey(*virtualKey), virtualKeyOf(*key).has_value())
          << "a code is the phone's or the desktop's, never both";
    }
  }
}

// The legend's names of the keys: every phone code and every desktop code
// has one, and no other code.
TEST(DesktopKeysTest, EveryCodeAKeySendsHasAName) {
  struct Case {
    uint32_t code;
    std::string_view name;
  };
  const Case cases[] = {
      {kVkAction, "Space"},
      {kVkBack, "Backspace"},
      {kVkLeftSoft, "F1"},
      {kVkRightSoft, "F2"},
      {kVkStar, "`"},
      {kVkHash, "'"},
      {kVkDigit0 + 5, "5"},
      {kVkF1, "F3"},
      {kVkF3, "F5"},
      {kVkF3 + 6, "Shift+F11"},
      {kVkF10, "F12"},
      {kVkEscape, "Esc"},
      {kVkEnter, "Enter"},
      {kVkUndo, "Ctrl+Z"},
      {kVkRedo, "Ctrl+Y"},
      {kVkLegend, "?"},
      {letterKey('Q'), "Q"},
      {letterKey('U', true), "Shift+U"},
      {kVkLetterA + 25, "Z"},
      {116, ""},
      {kVkMovesShown, "moves shown"},
      {kVkLevelSelect, "Levels"},
      {kVkLevelSelect + 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(keyboardName(c.code), c.name) << c.code;
  for (uint32_t code = 0; code < 256; ++code) {
    const bool phoneKey = (code >= kVkLeft && code <= kVkDown) ||
                          (code >= kVkDigit0 && code <= kVkDigit9) ||
                          (code >= kVkLeftSoft && code <= kVkF2) || code == kVkVolumeUp ||
                          code == kVkVolumeDown || code == kVkAction || code == kVkBack ||
                          code == kVkStar || code == kVkHash || (code >= kVkF3 && code <= kVkF10);
    EXPECT_EQ(!keyboardName(code).empty(), phoneKey || isDesktopKey(code)) << code;
  }
}

TEST(DesktopKeysTest, F11AndAltEnterToggleFullscreen) {
  EXPECT_TRUE(isFullscreenToggle(DesktopKey::F11, {}));
  EXPECT_FALSE(isFullscreenToggle(DesktopKey::F11, {true, false, false}));
  EXPECT_TRUE(isFullscreenToggle(DesktopKey::Return, {false, false, true}));
  EXPECT_TRUE(isFullscreenToggle(DesktopKey::KeypadEnter, {false, false, true}));
  EXPECT_FALSE(isFullscreenToggle(DesktopKey::Return, {}));
  EXPECT_FALSE(isFullscreenToggle(DesktopKey::Space, {false, false, true}));
}

}  // namespace
}  // namespace bt::platform
