#pragma once
// The platform as a web page: the browser owns the loop, so runLoop hands it
// one step a frame (requestAnimationFrame); keys, the pen and the page's
// visibility arrive as window messages; the tick count is the page's clock;
// the registry lives in localStorage; files written to the data folder are
// copied to IndexedDB after every write. There is one page, so one instance:
// another tab is another player's session.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "platform/Platform.h"
#include "platform/web/WebDisplay.h"
#include "platform/web/WebNetwork.h"
#include "platform/web/WebWaveOut.h"

namespace bt::platform {

class WebPlatform : public Platform {
 public:
  // The art folder the page was packed with and the folder kept in IndexedDB.
  static constexpr const char* kArtFolder = "/art/";
  static constexpr const char* kDataFolder = "/data/";

  // scale 0: the largest whole number that fits the page. Only one exists.
  explicit WebPlatform(int scale);
  ~WebPlatform() override;

  // A message wakes a loop that sleeps while the program is still.
  void post(const Message& message) override;
  std::optional<Message> takeMessage() override;
  // The browser's loop never waits inside the program: runLoop returns to
  // it instead. Here this returns at once.
  void waitMessage(uint32_t deadline) override { (void)deadline; }
  uint32_t tickCount() override;
  // A page cannot pause without freezing: the next frame comes as usual.
  void sleep(uint32_t milliseconds) override { (void)milliseconds; }

  Display& display() override { return display_; }
  WaveOut* waveOut() override { return &waveOut_; }
  Network& network() override { return network_; }

  std::optional<std::string> readRegistryString(std::string_view key,
                                                std::string_view name) override;
  bool writeRegistryString(std::string_view key, std::string_view name,
                           std::string_view text) override;
  bool removeRegistryValue(std::string_view key, std::string_view name) override;
  void broadcastSettingsChanged() override {}
  // Beside the canvas.
  void showKeyLegend(std::string_view text) override;
  bool raiseRunningInstance(std::string_view) override { return false; }
  // A line beside the canvas (the latest failure replaces the one before).
  void reportSaveFailure(std::string_view message) override;
  // The line under the canvas and the page's title.
  void showPlayLine(std::string_view text) override;
  void showMovesChoice(bool shown) override;
  // The page's clipboard, and its button that copies a result.
  bool copyText(std::string_view text) override;
  void offerShareText(std::string_view text) override;

  // Calls step once per animation frame until it returns false, then ended
  // (once). Returns at once: the browser runs the loop. While the canvas has
  // not changed for half a second the steps come from a 16 ms timer
  // instead, which costs the browser less than animation frames do; the
  // first picture shown brings the animation frames back. While still says
  // the program has nothing to do, the loop sleeps until the next message
  // (a key, a tap, the page hidden or shown).
  void runLoop(std::function<bool()> step, std::function<bool()> still,
               std::function<void()> ended);
  // Steps the loop has taken: a still page takes none.
  uint64_t wakeCount() const { return wakes_; }

  // Input from the page.
  bool keyChanged(bool down, std::string_view code, bool shift, bool ctrl, bool alt);
  void penChanged(uint32_t messageId, int x, int y);

 private:
  static void animationFrame(void* platform);
  // Chooses what wakes the next step (see animationFrame).
  void pace();

  std::deque<Message> queue_;
  WebDisplay display_;
  WebWaveOut waveOut_;
  WebNetwork network_;
  std::function<bool()> step_;
  std::function<bool()> still_;
  bool asleep_ = false;
  uint64_t wakes_ = 0;
  std::function<void()> ended_;
  uint64_t lastShown_ = 0;
  int framesUnchanged_ = 0;
  bool calm_ = false;
};

// The page's address as the program reads it.
std::string pageQuery();
std::string pageHost();
uint16_t pagePort();
void showPageText(const std::string& text);

}  // namespace bt::platform
