#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"
#include "sdl/SdlFixture.h"

namespace bt::platform {
namespace {

bool windowIsFullscreen(SdlPlatform& platform) {
  return (SDL_GetWindowFlags(platform.sdlDisplay().window()) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
         SDL_WINDOW_FULLSCREEN_DESKTOP;
}

// F11 and Alt+Enter switch at once and send no key; Shift+F11 is still the
// phone's "F9"; the last choice is how the next start opens, unless the
// command line says otherwise.
TEST_F(SdlBackendTest, FullscreenToggleAndItsMemory) {
  ASSERT_TRUE(platform_->display().open(240, 320));
  drain();
  EXPECT_FALSE(windowIsFullscreen(*platform_));

  struct Step {
    SDL_Keycode sym;
    Uint16 mod;
    Uint8 repeat;
    bool fullscreenAfter;
    uint32_t virtualKey;  // 0: no message
  };
  const Step steps[] = {
      {SDLK_F11, KMOD_NONE, 0, true, 0},
      {SDLK_F11, KMOD_NONE, 1, true, 0},  // a held key switches once
      {SDLK_RETURN, KMOD_LALT, 0, false, 0},
      {SDLK_KP_ENTER, KMOD_RALT, 0, true, 0},
      {SDLK_RETURN, KMOD_NONE, 0, true, kVkEnter},
      {SDLK_F11, KMOD_LSHIFT, 0, true, kVkF3 + 6},
      {SDLK_F11, KMOD_NONE, 0, false, 0},
      {SDLK_F11, KMOD_NONE, 0, true, 0},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << SDL_GetKeyName(step.sym) << " mod " << step.mod);
    pushKey(step.sym, step.mod, step.repeat);
    const std::vector<Message> got = drain();
    EXPECT_EQ(windowIsFullscreen(*platform_), step.fullscreenAfter);
    EXPECT_EQ(platform_->sdlDisplay().isFullscreen(), step.fullscreenAfter);
    if (step.virtualKey == 0) {
      EXPECT_TRUE(got.empty());
    } else {
      ASSERT_EQ(got.size(), 1u);
      EXPECT_EQ(got[0].wParam, step.virtualKey);
    }
  }

  struct Start {
    std::optional<bool> commandLine;
    bool fullscreen;
  };
  // Fullscreen was last: so opens the next start, and --windowed overrides
  // it without changing what is remembered; switched back to the window,
  // --fullscreen overrides that.
  const Start starts[] = {{std::nullopt, true}, {false, false}, {std::nullopt, true}};
  for (const Start& start : starts) {
    restart(start.commandLine);
    ASSERT_TRUE(platform_->display().open(240, 320));
    EXPECT_EQ(windowIsFullscreen(*platform_), start.fullscreen);
  }
  pushKey(SDLK_F11);
  drain();
  EXPECT_FALSE(windowIsFullscreen(*platform_));
  restart(std::nullopt);
  ASSERT_TRUE(platform_->display().open(240, 320));
  EXPECT_FALSE(windowIsFullscreen(*platform_));
  restart(true);
  ASSERT_TRUE(platform_->display().open(240, 320));
  EXPECT_TRUE(windowIsFullscreen(*platform_));
}

// A window of any size shows the picture at the largest whole-number scale
// that fits, centred.
TEST_F(SdlBackendTest, AResizedWindowKeepsAWholeNumberScaleCentred) {
  ASSERT_TRUE(platform_->display().open(240, 320));
  SDL_Window* window = platform_->sdlDisplay().window();
  SDL_Renderer* renderer = SDL_GetRenderer(window);
  ASSERT_NE(renderer, nullptr);
  struct Case {
    int w, h;
    float scale;
  };
  const Case cases[] = {{700, 1000, 2.0f}, {1000, 700, 2.0f}, {720, 960, 3.0f}, {240, 320, 1.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h);
    SDL_SetWindowSize(window, c.w, c.h);
    drain();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    ASSERT_EQ(w, c.w);
    ASSERT_EQ(h, c.h);
    platform_->sdlDisplay().show();
    float sx = 0;
    float sy = 0;
    SDL_RenderGetScale(renderer, &sx, &sy);
    EXPECT_EQ(sx, c.scale);
    EXPECT_EQ(sy, c.scale);
    SDL_Rect viewport{};
    SDL_RenderGetViewport(renderer, &viewport);
    // The viewport is in picture pixels: its offset times the scale leaves
    // equal bars (within a pixel) on both sides.
    const int left = static_cast<int>(static_cast<float>(viewport.x) * sx);
    const int top = static_cast<int>(static_cast<float>(viewport.y) * sy);
    EXPECT_LE(std::abs(c.w - 2 * left - static_cast<int>(240 * c.scale)), 1 + static_cast<int>(sx));
    EXPECT_LE(std::abs(c.h - 2 * top - static_cast<int>(320 * c.scale)), 1 + static_cast<int>(sy));
  }
  // Smaller than the picture is not offered.
  SDL_SetWindowSize(window, 100, 100);
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_GE(w, 240);
  EXPECT_GE(h, 320);
}

}  // namespace
}  // namespace bt::platform
