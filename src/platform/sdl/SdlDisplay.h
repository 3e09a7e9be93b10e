#pragma once
// The display as a desktop window: the frame is kept in display memory of
// width x height RGB565 pixels and shown through a streaming texture, scaled
// by the largest whole number that fits the window (or the screen, in
// fullscreen), centred with black bars around it.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Display.h"

namespace bt::platform {

struct SdlWindowOptions {
  int scale = 0;  // 0: the largest that fits the screen, at least 2
  bool fullscreen = false;
  std::string iconPath;  // a PNG; none when empty or unreadable
  std::string title = "Brambletop";
};

class SdlDisplay : public Display {
 public:
  explicit SdlDisplay(SdlWindowOptions options) : options_(std::move(options)) {}
  ~SdlDisplay() override { close(); }

  bool open(int32_t width, int32_t height) override;
  DisplayProperties properties() const override;
  void* beginDraw() override;
  void endDraw() override { show(); }
  void* rawFrame() override { return beginDraw(); }
  void releaseRawFrame() override { show(); }
  // A desktop window stays visible without the focus, so drawing goes on.
  void suspend() override { suspended_ = true; }
  void resume() override { suspended_ = false; }
  void close() override;

  // Used by the next open.
  void setIconPath(std::string path) { options_.iconPath = std::move(path); }
  // Switches an open window between window and fullscreen at once; before
  // open, chooses how the window opens.
  void setFullscreen(bool on);
  bool isFullscreen() const { return options_.fullscreen; }
  // Shows the display memory again (after the window was uncovered).
  void show();
  void raise();
  SDL_Window* window() const { return window_; }
  uint32_t windowId() const { return window_ ? SDL_GetWindowID(window_) : 0; }
  int scale() const { return scale_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  bool isSuspended() const { return suspended_; }

 private:
  int chooseScale() const;

  SdlWindowOptions options_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::vector<uint16_t> memory_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int scale_ = 1;
  bool suspended_ = false;
};

}  // namespace bt::platform
