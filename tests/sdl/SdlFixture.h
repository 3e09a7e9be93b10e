#pragma once
// The SDL backend on SDL's off-screen video driver and disk audio driver,
// with its files in a temporary folder, and helpers that inject events.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/SdlPlatform.h"
#include "support/TempFolder.h"

namespace bt::platform {

// SDL without a screen or a sound card: an off-screen window and an audio
// device that writes what it plays to a file.
class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("SDL_VIDEODRIVER", "offscreen", 1);
    // Software drawing only: OpenGL would load the GPU driver through EGL,
    // and the sanitizer build reports that driver's own leaks.
    ::setenv("SDL_RENDER_DRIVER", "software", 1);
    ::setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", folder_.file("audio.raw").c_str(), 1);
    restart(std::nullopt);
  }

  // A fresh platform (the old one ended first), as a new start of the
  // program would make it, with the same registry file.
  void restart(std::optional<bool> fullscreen) {
    platform_.reset();
    SdlPlatformOptions options;
    options.window.scale = 2;
    options.registryPath = folder_.file("config/registry.txt");
    options.instanceFolder = folder_.file("run");
    options.fullscreen = fullscreen;
    std::string error;
    platform_ = SdlPlatform::create(options, error);
    ASSERT_TRUE(platform_) << error;
  }

  void pushKey(SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = sym;
    key.key.keysym.mod = mod;
    key.key.repeat = repeat;
    push(key);
  }

  // Every message the platform has for us right now.
  std::vector<Message> drain() {
    std::vector<Message> messages;
    while (auto message = platform_->takeMessage()) messages.push_back(*message);
    return messages;
  }

  void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
  void pushMotion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = platform_->sdlDisplay().windowId();
    event.motion.x = x;
    event.motion.y = y;
    push(event);
  }
  void pushButton(Uint32 type, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.windowID = platform_->sdlDisplay().windowId();
    event.button.x = x;
    event.button.y = y;
    push(event);
  }

  test::TempFolder folder_;
  std::unique_ptr<SdlPlatform> platform_;
};

}  // namespace bt::platform
