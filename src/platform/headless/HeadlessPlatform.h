#pragma once
// The platform without a window: a virtual millisecond clock that moves only
// when the frame loop waits, a message queue fed by tests or a script, a
// display and wave output that capture everything, the registry in memory,
// the real network, and no single-instance lock.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/headless/HeadlessDisplay.h"
#include "platform/headless/HeadlessWaveOut.h"
#include "platform/net/HttpNetwork.h"

namespace bt::platform {

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(uint32_t startTick = 0);

  // Called when the frame loop would wait for deadline with no message
  // waiting: the place to post input, or to stop by posting the quit
  // message. If it posts nothing, the clock moves on to deadline.
  using IdleHandler = std::function<void(uint32_t deadline)>;
  void setIdleHandler(IdleHandler handler) { idleHandler_ = std::move(handler); }

  void post(const Message& message) override { queue_.push_back(message); }
  std::optional<Message> takeMessage() override;
  void waitMessage(uint32_t deadline) override;
  uint32_t tickCount() override { return clock_; }
  // Moves the virtual clock on; nothing really waits.
  void sleep(uint32_t milliseconds) override { advanceBy(milliseconds); }

  Display& display() override { return display_; }
  WaveOut* waveOut() override { return &waveOut_; }
  Network& network() override { return network_; }

  std::optional<std::string> readRegistryString(std::string_view key,
                                                std::string_view name) override;
  bool writeRegistryString(std::string_view key, std::string_view name,
                           std::string_view text) override;
  bool removeRegistryValue(std::string_view key, std::string_view name) override;
  void broadcastSettingsChanged() override { ++settingsBroadcasts_; }
  // Kept for tests, as a page would show it.
  void showKeyLegend(std::string_view text) override { keyLegend_ = text; }
  void showPlayLine(std::string_view text) override { playLine_ = text; }
  bool raiseRunningInstance(std::string_view) override { return false; }
  // Requests a test hands over as a later start would.
  void handOver(std::string request);
  std::optional<std::string> takeOpenRequest() override;
  // The real date unless a test chose one.
  long utcDay() override { return day_ ? *day_ : Platform::utcDay(); }
  void setUtcDay(long day) { day_ = day; }
  // Kept for tests, as a clipboard and a page would hold them.
  bool copyText(std::string_view text) override {
    clipboard_ = text;
    return true;
  }
  void offerShareText(std::string_view text) override { shareText_ = text; }
  const std::string& clipboard() const { return clipboard_; }
  const std::string& shareText() const { return shareText_; }
  // Kept for the run's exit status (there is no one to tell).
  void reportSaveFailure(std::string_view message) override { saveFailures_.emplace_back(message); }

  // Moves the virtual clock forward and reports the wave buffers that have
  // finished playing by then.
  void advanceBy(uint32_t milliseconds);

  HeadlessDisplay& headlessDisplay() { return display_; }
  HeadlessWaveOut& headlessWaveOut() { return waveOut_; }
  // Real sockets; the data connection can be refused.
  HttpNetwork& headlessNetwork() { return network_; }
  int settingsBroadcasts() const { return settingsBroadcasts_; }
  const std::string& keyLegend() const { return keyLegend_; }
  const std::string& playLine() const { return playLine_; }
  // Registry values by "key\name".
  std::map<std::string, std::string>& registry() { return registry_; }
  // Every failed save reported so far, oldest first.
  const std::vector<std::string>& saveFailures() const { return saveFailures_; }

 private:
  static std::string registryPath(std::string_view key, std::string_view name);

  uint32_t clock_;
  std::deque<Message> queue_;
  IdleHandler idleHandler_;
  HeadlessDisplay display_;
  HeadlessWaveOut waveOut_;
  HttpNetwork network_;
  std::map<std::string, std::string> registry_;
  int settingsBroadcasts_ = 0;
  std::string keyLegend_;
  std::string playLine_;
  std::vector<std::string> saveFailures_;
  std::deque<std::string> openRequests_;
  std::optional<long> day_;
  std::string clipboard_;
  std::string shareText_;
};

}  // namespace bt::platform
