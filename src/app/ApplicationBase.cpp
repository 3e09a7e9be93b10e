#include "app/ApplicationBase.h"

#include <algorithm>
#include <cstring>

#include "platform/VirtualKeys.h"

namespace bt {

using platform::DisplayProperties;
using platform::Message;

ApplicationBase::ApplicationBase(platform::Platform& platform, int32_t width, int32_t height)
    : platform_(platform),
      width_(width),
      height_(height),
      mixer_(platform.waveOut()),
      frameBuffer_(width, height),
      frameBytes_(static_cast<size_t>(width) * static_cast<size_t>(height) * 2) {
  // The keypad click would sound on every key press while the game runs.
  // Only a value that could be read is remembered; the rest keeps "". A
  // saved copy left by a run that never ended is the player's value: the
  // value in place is the silence of that run.
  if (auto left = platform_.readRegistryString(kKeypressKey, kKeypressSavedValue)) {
    savedKeypressSound_ = *left;
  } else if (auto own = platform_.readRegistryString(kKeypressKey, kKeypressValue)) {
    savedKeypressSound_ = *own;
    platform_.writeRegistryString(kKeypressKey, kKeypressSavedValue, *own);
  }
  writeKeypressSound("");
}

ApplicationBase::~ApplicationBase() {
  if (displayOpen_) {
    platform_.display().close();
    displayOpen_ = false;
  }
  if (writeKeypressSound(savedKeypressSound_)) {
    platform_.removeRegistryValue(kKeypressKey, kKeypressSavedValue);
  }
}

bool ApplicationBase::writeKeypressSound(const std::string& text) {
  if (!platform_.writeRegistryString(kKeypressKey, kKeypressValue, text)) return false;
  platform_.broadcastSettingsChanged();
  return true;
}

bool ApplicationBase::openDisplay() {
  platform::Display& display = platform_.display();
  if (!display.open(width_, height_)) return false;
  displayOpen_ = true;
  const DisplayProperties props = display.properties();
  // A 5-5-5 display would show the RGB565 pixels with wrong colours; one that
  // reports neither format is taken as it is.
  if ((props.formatFlags & platform::kFormatDirect565) == 0 &&
      (props.formatFlags & platform::kFormatDirect555) != 0) {
    return false;
  }
  display.beginDraw();
  display.endDraw();
  return true;
}

uint32_t ApplicationBase::handleMessage(const Message& message) {
  using namespace platform;
  switch (message.id) {
    case kMessageSetFocus:
      if (displayOpen_) platform_.display().resume();
      focusGained();
      return 0;
    case kMessageKillFocus:
      if (displayOpen_) platform_.display().suspend();
      focusLost();
      return 0;
    case kMessageClose:
      quit();
      return 1;
    case kMessageKeyDown:
      if (auto key = keyDownTable(message.wParam)) {
        keyDown(*key);
      } else if (isDesktopKey(message.wParam)) {
        desktopKeyDown(message.wParam);
      }
      return 1;
    case kMessageKeyUp:
      if (auto key = keyUpTable(message.wParam)) keyUp(*key);
      return 1;
    case kMessagePenMove:
      penMove(pointX(message.lParam), pointY(message.lParam));
      return 1;
    case kMessagePenDown:
      penDown(pointX(message.lParam), pointY(message.lParam));
      return 1;
    case kMessagePenUp:
      penUp(pointX(message.lParam), pointY(message.lParam));
      return 1;
    case kMessageOpenRequest:
      while (auto request = platform_.takeOpenRequest()) openRequested(*request);
      return 1;
    default:
      return 0;
  }
}

void ApplicationBase::quit() {
  platform_.post(Message{platform::kMessageQuit, 0, 0});
}

void ApplicationBase::present() {
  if (!displayOpen_) return;
  if (usesRawPresent()) {
    presentRaw();
  } else {
    presentGapi();
  }
}

void ApplicationBase::presentGapi() {
  platform::Display& display = platform_.display();
  void* memory = display.beginDraw();
  if (memory) copyFrameTo(memory);  // no memory while suspended: skip the copy
  display.endDraw();
}

void ApplicationBase::presentRaw() {
  platform::Display& display = platform_.display();
  void* memory = display.rawFrame();
  if (!memory) return;
  copyFrameTo(memory);
  display.releaseRawFrame();
}

// One block when the display's rows match the frame buffer's; otherwise row
// by row, cut to the rows and columns both have, so that a display smaller
// than the frame buffer is never written past its end.
void ApplicationBase::copyFrameTo(void* memory) {
  const DisplayProperties props = platform_.display().properties();
  const auto* source = reinterpret_cast<const uint8_t*>(pictureToPresent().pixels());
  auto* target = static_cast<uint8_t*>(memory);
  const size_t rowBytes = static_cast<size_t>(width_) * 2;
  if (props.width == width_ && props.height == height_ && props.xPitch == 2 &&
      props.yPitch == static_cast<int32_t>(rowBytes)) {
    std::memcpy(target, source, frameBytes_);
    return;
  }
  if (props.xPitch != 2 || props.yPitch <= 0) return;  // not a layout we can write
  const int32_t rows = std::min(props.height, height_);
  const size_t copyBytes = static_cast<size_t>(std::max(0, std::min(props.width, width_))) * 2;
  if (copyBytes > static_cast<size_t>(props.yPitch)) return;
  for (int32_t y = 0; y < rows; ++y) {
    std::memcpy(target + static_cast<size_t>(y) * static_cast<size_t>(props.yPitch),
                source + static_cast<size_t>(y) * rowBytes, copyBytes);
  }
}

void ApplicationBase::setSwitchPending(bool on) {
  if (on) {
    flags_ |= kSwitchPending;
  } else {
    flags_ &= static_cast<uint8_t>(~kSwitchPending);
  }
}

}  // namespace bt
