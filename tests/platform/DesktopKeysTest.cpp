#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "platform/DesktopKeys.h"

namespace bt::platform {
namespace {

// The browser's key names through the one key table, with the desktop's own
// keys (undo, the fullscreen toggle) and names that must mean nothing.
TEST(DesktopKeysTest, BrowserKeyNamesGiveTheDesktopsCodes) {
  struct Case {
    std::string_view code;
    KeyModifiers modifiers;
    std::optional<uint32_t> virtualKey;
  };
  const KeyModifiers none, shift{true, false, false}, ctrl{false, true, false},
      alt{false, false, true};
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
      {"Enter", none, kVkAction},
      {"NumpadEnter", none, kVkAction},
      {"Space", none, kVkAction},
      {"Escape", none, kVkBack},
      {"Backspace", none, kVkBack},
      {"NumpadMultiply", none, kVkStar},
      {"Backquote", none, kVkStar},
      {"NumpadDivide", none, kVkHash},
      {"Quote", none, kVkHash},
      {"NumpadAdd", none, kVkVolumeUp},
      {"PageUp", none, kVkVolumeUp},
      {"NumpadSubtract", none, kVkVolumeDown},
      {"PageDown", none, kVkVolumeDown},
      {"KeyU", none, kVkUndo},
      {"KeyZ", ctrl, kVkUndo},
      {"KeyZ", none, std::nullopt},
      {"F11", none, std::nullopt},
      {"Enter", alt, std::nullopt},
      {"KeyQ", none, std::nullopt},
      {"", none, std::nullopt},
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
