#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"
#include "sdl/SdlFixture.h"

namespace bt::platform {
namespace {

// SDL's keys through the window's events: the phone's codes where the phone
// has the key, the desktop's own codes for Escape, Enter, '?', the letters
// (alone and with Shift), undo and redo, and nothing for a letter with Ctrl
// or Alt that means nothing here.
TEST_F(SdlBackendTest, KeysGiveThePhonesOrTheDesktopsCodes) {
  ASSERT_TRUE(platform_->display().open(240, 320));
  drain();
  struct Case {
    SDL_Keycode sym;
    Uint16 mod;
    uint32_t virtualKey;  // 0: no message
  };
  const Case cases[] = {
      {SDLK_SPACE, KMOD_NONE, kVkAction},
      {SDLK_BACKSPACE, KMOD_NONE, kVkBack},
      {SDLK_F1, KMOD_NONE, kVkLeftSoft},
      {SDLK_BACKQUOTE, KMOD_NONE, kVkStar},
      {SDLK_KP_7, KMOD_NONE, kVkDigit0 + 7},
      {SDLK_ESCAPE, KMOD_NONE, kVkEscape},
      {SDLK_RETURN, KMOD_NONE, kVkEnter},
      {SDLK_KP_ENTER, KMOD_LSHIFT, kVkEnter},
      {SDLK_SLASH, KMOD_NONE, kVkLegend},
      {SDLK_SLASH, KMOD_LSHIFT, kVkLegend},
      {SDLK_QUESTION, KMOD_NONE, kVkLegend},
      {SDLK_a, KMOD_NONE, kVkLetterA},
      {SDLK_q, KMOD_NONE, letterKey('Q')},
      {SDLK_z, KMOD_NONE, letterKey('Z')},
      {SDLK_u, KMOD_NONE, letterKey('U')},
      {SDLK_u, KMOD_LSHIFT, letterKey('U', true)},
      {SDLK_z, KMOD_LCTRL, kVkUndo},
      {SDLK_z, KMOD_RCTRL, kVkUndo},
      {SDLK_y, KMOD_LCTRL, kVkRedo},
      {SDLK_y, KMOD_LCTRL | KMOD_LSHIFT, kVkRedo},
      {SDLK_u, KMOD_LCTRL, 0},
      {SDLK_q, KMOD_LALT, 0},
      {SDLK_z, KMOD_LCTRL | KMOD_LALT, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << SDL_GetKeyName(c.sym) << " mod " << c.mod);
    pushKey(c.sym, c.mod);
    const std::vector<Message> got = drain();
    if (c.virtualKey == 0) {
      EXPECT_TRUE(got.empty());
      continue;
    }
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].id, kMessageKeyDown);
    EXPECT_EQ(got[0].wParam, c.virtualKey);
  }
}

}  // namespace
}  // namespace bt::platform
