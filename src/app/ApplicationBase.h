#pragma once
// The lower half of the one Application: the window and its messages, the
// display and the two ways of copying the frame buffer to it, the frame
// buffer itself, the sound mixer, and the keypad click that is silenced while
// the program runs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/GameKey.h"
#include "gfx/FrameBuffer.h"
#include "platform/Platform.h"
#include "sound/SoundMixer.h"

namespace bt {

class ApplicationBase {
 public:
  // Opens the sound mixer, creates the black frame buffer, saves the keypad
  // click sound (unless a run that did not end left it saved) and silences
  // it.
  ApplicationBase(platform::Platform& platform, int32_t width, int32_t height);
  // Closes the display, restores the keypad click (then drops the saved
  // copy), closes the sound mixer.
  virtual ~ApplicationBase();
  ApplicationBase(const ApplicationBase&) = delete;
  ApplicationBase& operator=(const ApplicationBase&) = delete;

  // One frame, called by the frame loop at most every 16 ms.
  virtual bool tick() = 0;
  // True when the next frames would change nothing until a message arrives
  // (see Screen::still); the frame loop may then sleep until one does.
  virtual bool still() const { return false; }
  virtual void keyUp(GameKey) {}
  virtual void keyDown(GameKey) {}
  virtual void penDown(uint16_t, uint16_t) {}
  virtual void penUp(uint16_t, uint16_t) {}
  virtual void penMove(uint16_t, uint16_t) {}
  // A key-down of one of the desktop's own keys (never a phone key, so never
  // in the key map; platform/VirtualKeys.h).
  virtual void desktopKeyDown(uint32_t) {}
  virtual void focusLost() {}
  virtual void focusGained() {}
  // A later start asked this one to open something (a puzzle id).
  virtual void openRequested(const std::string&) {}

  // Creates the window and takes the display; false when that fails or the
  // display only offers 5-5-5 colour, and the program should end.
  bool openDisplay();
  // The window procedure: handles one message taken off the queue (not the
  // quit message, which ends the frame loop) and returns its result.
  uint32_t handleMessage(const platform::Message& message);
  // Posts the quit message; the frame loop ends when it takes it.
  void quit();
  // Copies the frame buffer to the display: the frame loop's present.
  void present();
  // The same, for screens that must show a picture before acting on it.
  void presentNow() { present(); }

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  FrameBuffer& frameBuffer() { return frameBuffer_; }
  const FrameBuffer& frameBuffer() const { return frameBuffer_; }
  SoundMixer& mixer() { return mixer_; }
  const SoundMixer& mixer() const { return mixer_; }
  platform::Platform& platform() { return platform_; }
  size_t frameBytes() const { return frameBytes_; }
  // Widths above 240 take the raw frame-buffer path, others the display
  // library's begin / end draw.
  bool usesRawPresent() const { return width_ > 240; }

  // Set by a screen that drew something this frame; the frame loop then
  // presents the frame buffer and clears it.
  bool redrawPending() const { return (flags_ & kRedrawPending) != 0; }
  void setRedrawPending() { flags_ |= kRedrawPending; }
  void clearRedrawPending() { flags_ &= static_cast<uint8_t>(~kRedrawPending); }
  bool switchPending() const { return (flags_ & kSwitchPending) != 0; }

  static constexpr const char* kKeypressKey = "ControlPanel\\Sounds\\Keypress";
  static constexpr const char* kKeypressValue = "Script";
  // The player's own value, kept under this second name while the program
  // runs, so that a start after a crash still finds it and restores it.
  static constexpr const char* kKeypressSavedValue = "Script.brambletop";

 protected:
  void setSwitchPending(bool on);
  // The picture present copies to the display: the frame buffer, or a copy
  // of it with something drawn over it that the screens must not see.
  virtual const FrameBuffer& pictureToPresent() { return frameBuffer_; }

 private:
  static constexpr uint8_t kRedrawPending = 1;
  static constexpr uint8_t kSwitchPending = 2;

  void presentGapi();
  void presentRaw();
  void copyFrameTo(void* memory);
  bool writeKeypressSound(const std::string& text);

  platform::Platform& platform_;
  const int32_t width_;
  const int32_t height_;
  SoundMixer mixer_;  // opened first and closed last
  FrameBuffer frameBuffer_;
  uint8_t flags_ = 0;
  bool displayOpen_ = false;
  std::string savedKeypressSound_;
  size_t frameBytes_ = 0;
};

}  // namespace bt
