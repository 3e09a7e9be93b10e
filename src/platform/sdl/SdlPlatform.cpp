#include "platform/sdl/SdlPlatform.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/UserFolders.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/ThreadTask.h"

namespace bt::platform {

namespace {

// Some message boxes (X11's) break lines only where the text does: the text
// broken at spaces into lines of about width characters.
std::string wrapped(std::string_view text, size_t width) {
  std::string lines;
  size_t lineLength = 0;
  while (!text.empty()) {
    const size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    if (lineLength > 0 && lineLength + 1 + word.size() > width) {
      lines += '\n';
      lineLength = 0;
    } else if (lineLength > 0) {
      lines += ' ';
      ++lineLength;
    }
    lines += word;
    lineLength += word.size();
    text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
  }
  return lines;
}

}  // namespace

std::unique_ptr<SdlPlatform> SdlPlatform::create(const SdlPlatformOptions& options,
                                                 std::string& error) {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  return std::unique_ptr<SdlPlatform>(new SdlPlatform(options));
}

SdlPlatform::SdlPlatform(const SdlPlatformOptions& options)
    : display_(options.window),
      registry_(options.registryPath.empty() ? userConfigFolder() + "/registry.txt"
                                             : options.registryPath),
      instance_(std::make_unique<SingleInstance>(
          options.instanceFolder.empty() ? userRuntimeFolder() : options.instanceFolder)),
      uiThread_(std::this_thread::get_id()) {
  const Uint32 first = SDL_RegisterEvents(2);
  if (first != static_cast<Uint32>(-1)) {
    wakeEvent_ = first;
    raiseEvent_ = first + 1;
  }
  // Without a sound device the program runs silently.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) waveOut_ = std::make_unique<SdlWaveOut>();
  SDL_EventState(SDL_TEXTINPUT, SDL_DISABLE);
  // Without controller support the keyboard still plays; pads already
  // plugged in arrive as added events.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  gamepads_ = std::make_unique<SdlGamepads>([this](const Message& message) { enqueue(message); });
  if (options.fullscreen) {
    display_.setFullscreen(*options.fullscreen);
  } else if (auto saved = registry_.read(kWindowKey, kFullscreenValue)) {
    display_.setFullscreen(*saved == "1");
  }
}

void SdlPlatform::toggleFullscreen() {
  const bool on = !display_.isFullscreen();
  display_.setFullscreen(on);
  registry_.write(kWindowKey, kFullscreenValue, on ? "1" : "0");
}

SdlPlatform::~SdlPlatform() {
  instance_.reset();  // its listener may push events: stop it while SDL runs
  gamepads_.reset();
  display_.close();
  if (waveOut_) {
    waveOut_.reset();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  SDL_Quit();
}

void SdlPlatform::enqueue(const Message& message) {
  std::lock_guard lock(queueMutex_);
  queue_.push_back(message);
}

void SdlPlatform::post(const Message& message) {
  enqueue(message);
  if (std::this_thread::get_id() != uiThread_ && wakeEvent_ != 0) {
    SDL_Event wake{};
    wake.type = wakeEvent_;
    SDL_PushEvent(&wake);
  }
}

std::optional<Message> SdlPlatform::takeMessage() {
  pumpEvents();
  std::lock_guard lock(queueMutex_);
  if (queue_.empty()) return std::nullopt;
  const Message message = queue_.front();
  queue_.pop_front();
  return message;
}

void SdlPlatform::waitMessage(uint32_t deadline) {
  {
    std::lock_guard lock(queueMutex_);
    if (!queue_.empty()) return;
  }
  // A held direction on a pad repeats without an event of its own.
  if (auto due = gamepads_->nextRepeat(); due && static_cast<int32_t>(*due - deadline) < 0) {
    deadline = *due;
  }
  const auto remaining = static_cast<int32_t>(deadline - SDL_GetTicks());
  if (remaining <= 0) return;
  // Only peeks: the event is taken and translated by the next takeMessage.
  SDL_WaitEventTimeout(nullptr, remaining);
}

void SdlPlatform::showPlayLine(std::string_view text) {
  if (SDL_Window* window = display_.window()) SDL_SetWindowTitle(window, std::string(text).c_str());
}

void SdlPlatform::waitStill(uint32_t nextFrameDue) {
  (void)nextFrameDue;
  {
    std::lock_guard lock(queueMutex_);
    if (!queue_.empty()) return;
  }
  if (auto due = gamepads_->nextRepeat()) {
    waitMessage(*due);
    return;
  }
  // Only peeks, as waitMessage does.
  SDL_WaitEvent(nullptr);
}

void SdlPlatform::pumpEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) translate(event);
  gamepads_->repeat(SDL_GetTicks());
}

void SdlPlatform::translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      enqueue(Message{kMessageClose, 0, 0});
      return;
    case SDL_WINDOWEVENT:
      translateWindowEvent(event.window);
      return;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (event.type == SDL_KEYDOWN && event.key.repeat == 0 &&
          isFullscreenToggle(event.key.keysym)) {
        toggleFullscreen();
        return;
      }
      // Auto-repeat arrives as further key-downs, as on the phone.
      if (auto vk = virtualKeyOfSdlKey(event.key.keysym)) {
        enqueue(keyMessage(event.type == SDL_KEYDOWN ? kMessageKeyDown : kMessageKeyUp, *vk));
      }
      return;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button != SDL_BUTTON_LEFT) return;
      if (event.button.x < 0 || event.button.y < 0 || event.button.x >= display_.width() ||
          event.button.y >= display_.height()) {
        return;  // on the black bars around the picture
      }
      penHeld_ = true;
      translateMouse(kMessagePenDown, event.button.x, event.button.y);
      return;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button != SDL_BUTTON_LEFT || !penHeld_) return;
      penHeld_ = false;
      translateMouse(kMessagePenUp, event.button.x, event.button.y);
      return;
    case SDL_MOUSEMOTION:
      if (penHeld_) translateMouse(kMessagePenMove, event.motion.x, event.motion.y);
      return;
    default:
      if (gamepads_->translate(event, SDL_GetTicks())) return;
      if (event.type == raiseEvent_ && raiseEvent_ != 0) {
        display_.raise();
        std::lock_guard lock(queueMutex_);
        if (!openRequests_.empty()) queue_.push_back(Message{kMessageOpenRequest, 0, 0});
      }
      return;
  }
}

void SdlPlatform::translateWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      enqueue(Message{kMessageSetFocus, 0, 0});
      return;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      enqueue(Message{kMessageKillFocus, 0, 0});
      return;
    case SDL_WINDOWEVENT_CLOSE:
      enqueue(Message{kMessageClose, 0, 0});
      return;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      display_.show();
      return;
    default:
      return;
  }
}

// Positions are frame-buffer pixels already; a drag that leaves the picture
// is held at its edge.
void SdlPlatform::translateMouse(uint32_t messageId, int x, int y) {
  const int cx = std::clamp(x, 0, std::max(0, display_.width() - 1));
  const int cy = std::clamp(y, 0, std::max(0, display_.height() - 1));
  enqueue(penMessage(messageId, static_cast<uint16_t>(cx), static_cast<uint16_t>(cy)));
}

std::optional<std::string> SdlPlatform::readRegistryString(std::string_view key,
                                                           std::string_view name) {
  return registry_.read(key, name);
}

bool SdlPlatform::writeRegistryString(std::string_view key, std::string_view name,
                                      std::string_view text) {
  return registry_.write(key, name, text);
}

void SdlPlatform::showError(const std::string& text) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Brambletop", text.c_str(), nullptr);
}

void SdlPlatform::reportSaveFailure(std::string_view message) {
  if (!toldSaveFailures_.emplace(message).second) return;
  const std::string text = wrapped(message, 60);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "Brambletop", text.c_str(), display_.window());
}

bool SdlPlatform::removeRegistryValue(std::string_view key, std::string_view name) {
  return registry_.remove(key, name);
}

bool SdlPlatform::raiseRunningInstance(std::string_view openRequest) {
  const Uint32 raiseEvent = raiseEvent_;
  return instance_->raiseRunning(openRequest, [this, raiseEvent](const std::string& openText) {
    if (raiseEvent == 0) return;
    if (!openText.empty()) {
      std::lock_guard lock(queueMutex_);
      openRequests_.push_back(openText);
    }
    SDL_Event event{};
    event.type = raiseEvent;
    SDL_PushEvent(&event);
  });
}

std::optional<std::string> SdlPlatform::takeOpenRequest() {
  std::lock_guard lock(queueMutex_);
  if (openRequests_.empty()) return std::nullopt;
  std::string request = std::move(openRequests_.front());
  openRequests_.pop_front();
  return request;
}

std::unique_ptr<BackgroundTask> SdlPlatform::startBackgroundTask(std::function<void()> work) {
  return std::make_unique<ThreadTask>(std::move(work));
}

bool SdlPlatform::copyText(std::string_view text) {
  return SDL_SetClipboardText(std::string(text).c_str()) == 0;
}

}  // namespace bt::platform
