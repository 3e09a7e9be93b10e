#pragma once
// The desktop platform: an SDL window for the display, SDL events (keys,
// mouse, game controllers) turned into the window messages of the phone, SDL audio for wave output,
// the registry in a file under the user's configuration folder, and one running instance per user.
#include <SDL.h>

#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "platform/Platform.h"
#include "platform/net/HttpNetwork.h"
#include "platform/sdl/FileRegistry.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlGamepads.h"
#include "platform/sdl/SdlWaveOut.h"
#include "platform/sdl/SingleInstance.h"

namespace bt::platform {

struct SdlPlatformOptions {
  SdlWindowOptions window;
  std::string registryPath;    // "": registry.txt in the user's config folder
  std::string instanceFolder;  // "": the user's runtime folder
  // The window or fullscreen for this run; nullopt: as the player last
  // switched it (kept in the registry), else window.fullscreen.
  std::optional<bool> fullscreen;
};

class SdlPlatform : public Platform {
 public:
  // nullptr, with the reason in error, when SDL cannot start its video.
  static std::unique_ptr<SdlPlatform> create(const SdlPlatformOptions& options, std::string& error);
  ~SdlPlatform() override;

  void post(const Message& message) override;
  std::optional<Message> takeMessage() override;
  void waitMessage(uint32_t deadline) override;
  // Sleeps until an event, or a held pad direction's next repeat.
  void waitStill(uint32_t nextFrameDue) override;
  uint32_t tickCount() override { return SDL_GetTicks(); }
  void sleep(uint32_t milliseconds) override { SDL_Delay(milliseconds); }

  Display& display() override { return display_; }
  WaveOut* waveOut() override { return waveOut_.get(); }
  Network& network() override { return network_; }

  std::optional<std::string> readRegistryString(std::string_view key,
                                                std::string_view name) override;
  bool writeRegistryString(std::string_view key, std::string_view name,
                           std::string_view text) override;
  bool removeRegistryValue(std::string_view key, std::string_view name) override;
  // The desktop has no one to tell.
  void broadcastSettingsChanged() override {}
  bool raiseRunningInstance(std::string_view openRequest) override;
  std::optional<std::string> takeOpenRequest() override;
  // A thread of its own (ThreadTask).
  std::unique_ptr<BackgroundTask> startBackgroundTask(std::function<void()> work) override;
  // SDL's clipboard.
  bool copyText(std::string_view text) override;
  // A message box over the window; the same message again (each screen left
  // saves anew) is not shown twice in a run.
  void reportSaveFailure(std::string_view message) override;
  // The window's title.
  void showPlayLine(std::string_view text) override;

  SdlDisplay& sdlDisplay() { return display_; }
  // F11 and Alt+Enter: the other of window and fullscreen, remembered in the
  // registry for the next start.
  void toggleFullscreen();
  static constexpr const char* kWindowKey = "Software\\Brambletop\\Window";
  static constexpr const char* kFullscreenValue = "Fullscreen";
  // A message box with the text, for a failure that ends the program before
  // its window opens (nothing shows where no desktop can show it).
  void showError(const std::string& text);

 private:
  explicit SdlPlatform(const SdlPlatformOptions& options);
  void pumpEvents();
  void translate(const SDL_Event& event);
  void translateWindowEvent(const SDL_WindowEvent& event);
  void translateMouse(uint32_t messageId, int x, int y);
  void enqueue(const Message& message);

  SdlDisplay display_;
  std::unique_ptr<SdlWaveOut> waveOut_;
  FileRegistry registry_;
  HttpNetwork network_;
  std::unique_ptr<SingleInstance> instance_;
  std::unique_ptr<SdlGamepads> gamepads_;  // closed before SDL ends
  Uint32 wakeEvent_ = 0;                   // posted from another thread
  Uint32 raiseEvent_ = 0;                  // a later start asked for the window
  std::thread::id uiThread_;
  std::mutex queueMutex_;
  std::deque<Message> queue_;
  std::deque<std::string> openRequests_;  // from the instance's listener, under queueMutex_
  bool penHeld_ = false;
  std::set<std::string> toldSaveFailures_;
};

}  // namespace bt::platform
