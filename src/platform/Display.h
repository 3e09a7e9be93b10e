#pragma once
// The full-screen display as the phone's direct-display library offers it:
// open, read the properties, get the display memory between begin and end
// draw, suspend while the program is in the background. The memory returned
// by beginDraw and rawFrame holds 16-bit pixels described by properties().
#include <cstdint>

namespace bt::platform {

inline constexpr uint32_t kFormatDirect565 = 0x80;
inline constexpr uint32_t kFormatDirect555 = 0x40;

struct DisplayProperties {
  int32_t width = 0;   // pixels
  int32_t height = 0;  // pixels
  int32_t xPitch = 0;  // bytes from one pixel to the next
  int32_t yPitch = 0;  // bytes from one row to the next
  uint32_t bitsPerPixel = 16;
  uint32_t formatFlags = kFormatDirect565;
};

class Display {
 public:
  virtual ~Display() = default;
  // Creates the window of width x height frame-buffer pixels and takes the
  // display and the keys; false when any of that fails.
  virtual bool open(int32_t width, int32_t height) = 0;
  virtual DisplayProperties properties() const = 0;
  // Display memory for one copy, nullptr while suspended or not open.
  virtual void* beginDraw() = 0;
  // Shows what was written since beginDraw.
  virtual void endDraw() = 0;
  // The raw frame-buffer path: the same memory, described by properties();
  // nullptr when there is none. releaseRawFrame shows what was written.
  virtual void* rawFrame() = 0;
  virtual void releaseRawFrame() = 0;
  virtual void suspend() = 0;
  virtual void resume() = 0;
  // Gives the keys and the display back and destroys the window.
  virtual void close() = 0;
};

}  // namespace bt::platform
