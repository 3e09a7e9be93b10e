#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"
#include "sdl/SdlFixture.h"

namespace bt::platform {
namespace {

// The desktop's own keys beside the phone's: undo on Ctrl+Z and U, never on
// Z alone.
TEST_F(SdlBackendTest, UndoKeysGiveTheUndoCode) {
  ASSERT_TRUE(platform_->display().open(240, 320));
  drain();
  struct Case {
    SDL_Keycode sym;
    Uint16 mod;
    bool undo;
  };
  const Case cases[] = {{SDLK_u, KMOD_NONE, true},
                        {SDLK_z, KMOD_LCTRL, true},
                        {SDLK_z, KMOD_RCTRL, true},
                        {SDLK_z, KMOD_NONE, false},
                        {SDLK_u, KMOD_LSHIFT, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << SDL_GetKeyName(c.sym) << " mod " << c.mod);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = c.sym;
    key.key.keysym.mod = c.mod;
    push(key);
    const std::vector<Message> got = drain();
    if (!c.undo) {
      EXPECT_TRUE(got.empty());
      continue;
    }
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].id, kMessageKeyDown);
    EXPECT_EQ(got[0].wParam, kVkUndo);
  }
}

}  // namespace
}  // namespace bt::platform
