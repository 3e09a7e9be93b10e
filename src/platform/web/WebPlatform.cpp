#include "platform/web/WebPlatform.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>

#include "platform/DesktopKeys.h"
#include "platform/os/FileSystem.h"
#include "platform/web/WebPage.h"

namespace bt::platform {

namespace {

// Frames without a new picture before the loop runs on the timer.
constexpr int kCalmFrames = 30;
constexpr int kTimerMilliseconds = 16;

WebPlatform* current = nullptr;  // the page's one platform, for its callbacks

// A string the page allocated, taken over and freed.
std::optional<std::string> takePageString(char* text) {
  if (text == nullptr) return std::nullopt;
  std::string copy(text);
  std::free(text);
  return copy;
}

void persistAfterWrite(const std::string& path) {
  if (path.starts_with(WebPlatform::kDataFolder)) bt_files_persist();
}

}  // namespace

WebPlatform::WebPlatform(int scale) : display_(scale), waveOut_([this] { return tickCount(); }) {
  current = this;
  os::setFileWrittenListener(persistAfterWrite);
  bt_input_install();
}

WebPlatform::~WebPlatform() {
  os::setFileWrittenListener(nullptr);
  current = nullptr;
}

std::optional<Message> WebPlatform::takeMessage() {
  if (queue_.empty()) return std::nullopt;
  Message message = queue_.front();
  queue_.pop_front();
  return message;
}

uint32_t WebPlatform::tickCount() {
  // Milliseconds since the page opened, wrapping as the phone's count does.
  return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now()));
}

std::optional<std::string> WebPlatform::readRegistryString(std::string_view key,
                                                           std::string_view name) {
  return takePageString(bt_registry_read(std::string(key).c_str(), std::string(name).c_str()));
}

bool WebPlatform::writeRegistryString(std::string_view key, std::string_view name,
                                      std::string_view text) {
  return bt_registry_write(std::string(key).c_str(), std::string(name).c_str(),
                           std::string(text).c_str()) != 0;
}

bool WebPlatform::removeRegistryValue(std::string_view key, std::string_view name) {
  return bt_registry_remove(std::string(key).c_str(), std::string(name).c_str()) != 0;
}

void WebPlatform::showKeyLegend(std::string_view text) {
  bt_page_legend(std::string(text).c_str());
}

void WebPlatform::reportSaveFailure(std::string_view message) {
  bt_page_show_notice(std::string(message).c_str());
}

void WebPlatform::post(const Message& message) {
  queue_.push_back(message);
  if (!asleep_) return;
  asleep_ = false;
  emscripten_resume_main_loop();
  bt_page_paced(calm_ ? 1 : 0);
}

void WebPlatform::showPlayLine(std::string_view text) {
  bt_page_play_line(std::string(text).c_str());
}

void WebPlatform::showMovesChoice(bool shown) {
  bt_page_moves_choice(shown ? 1 : 0);
}

bool WebPlatform::copyText(std::string_view text) {
  return bt_page_copy(std::string(text).c_str()) != 0;
}

void WebPlatform::offerShareText(std::string_view text) {
  bt_page_share(std::string(text).c_str());
}

void WebPlatform::runLoop(std::function<bool()> step, std::function<bool()> still,
                          std::function<void()> ended) {
  step_ = std::move(step);
  still_ = std::move(still);
  ended_ = std::move(ended);
  // 0 frames a second: one step per animation frame of the browser.
  emscripten_set_main_loop_arg(animationFrame, this, 0, 0);
}

void WebPlatform::animationFrame(void* platform) {
  auto* self = static_cast<WebPlatform*>(platform);
  ++self->wakes_;
  self->waveOut_.update();
  if (self->step_()) {
    self->pace();
    if (self->still_() && self->queue_.empty()) {
      self->asleep_ = true;
      emscripten_pause_main_loop();
      bt_page_paced(2);
    }
    return;
  }
  emscripten_cancel_main_loop();
  self->step_ = nullptr;
  self->still_ = nullptr;  // it holds the program too: ended lets it go
  if (auto ended = std::move(self->ended_)) ended();
}

void WebPlatform::pace() {
  const uint64_t shown = display_.shownCount();
  framesUnchanged_ = shown == lastShown_ ? framesUnchanged_ + 1 : 0;
  lastShown_ = shown;
  const bool calm = framesUnchanged_ >= kCalmFrames;
  if (calm == calm_) return;
  calm_ = calm;
  if (calm) {
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, kTimerMilliseconds);
  } else {
    emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
  }
  bt_page_paced(calm ? 1 : 0);
}

bool WebPlatform::keyChanged(bool down, std::string_view code, bool shift, bool ctrl, bool alt) {
  const auto key = desktopKeyOfCode(code);
  if (!key) return false;
  const KeyModifiers modifiers{shift, ctrl, alt};
  if (isFullscreenToggle(*key, modifiers)) {
    if (down) bt_canvas_toggle_fullscreen();
    return true;
  }
  const auto virtualKey = virtualKeyOf(*key, modifiers);
  if (!virtualKey) return false;
  post(keyMessage(down ? kMessageKeyDown : kMessageKeyUp, *virtualKey));
  return true;
}

void WebPlatform::penChanged(uint32_t messageId, int x, int y) {
  post(penMessage(messageId, static_cast<uint16_t>(x), static_cast<uint16_t>(y)));
}

std::string pageQuery() {
  return takePageString(bt_page_query()).value_or("");
}

std::string pageHost() {
  return takePageString(bt_page_host()).value_or("");
}

uint16_t pagePort() {
  return static_cast<uint16_t>(bt_page_port());
}

void showPageText(const std::string& text) {
  bt_page_show_text(text.c_str());
}

}  // namespace bt::platform

using bt::platform::current;

extern "C" EMSCRIPTEN_KEEPALIVE int bt_web_key(int down, const char* code, int shift, int ctrl,
                                               int alt) {
  if (current == nullptr || code == nullptr) return 0;
  return current->keyChanged(down != 0, code, shift != 0, ctrl != 0, alt != 0) ? 1 : 0;
}

extern "C" EMSCRIPTEN_KEEPALIVE void bt_web_pen(int kind, int x, int y) {
  static constexpr uint32_t kMessages[] = {
      bt::platform::kMessagePenDown, bt::platform::kMessagePenMove, bt::platform::kMessagePenUp};
  if (current == nullptr || kind < 0 || kind > 2) return;
  current->penChanged(kMessages[kind], x, y);
}

// The page's checkbox for the moves in the picture.
extern "C" EMSCRIPTEN_KEEPALIVE void bt_web_show_moves(int shown) {
  if (current == nullptr) return;
  const uint32_t code = shown != 0 ? bt::platform::kVkMovesShown : bt::platform::kVkMovesHidden;
  current->post(bt::platform::keyMessage(bt::platform::kMessageKeyDown, code));
  current->post(bt::platform::keyMessage(bt::platform::kMessageKeyUp, code));
}

// The page's Levels button: a code of its own, which no keyboard key sends.
extern "C" EMSCRIPTEN_KEEPALIVE void bt_web_level_select() {
  if (current == nullptr) return;
  current->post(
      bt::platform::keyMessage(bt::platform::kMessageKeyDown, bt::platform::kVkLevelSelect));
  current->post(
      bt::platform::keyMessage(bt::platform::kMessageKeyUp, bt::platform::kVkLevelSelect));
}

extern "C" EMSCRIPTEN_KEEPALIVE double bt_web_wakes() {
  return current == nullptr ? 0 : static_cast<double>(current->wakeCount());
}

extern "C" EMSCRIPTEN_KEEPALIVE void bt_web_visible(int visible) {
  if (current == nullptr) return;
  current->post(bt::platform::Message{
      visible ? bt::platform::kMessageSetFocus : bt::platform::kMessageKillFocus, 0, 0});
}
