#include "platform/sdl/SdlDisplay.h"

#include <algorithm>

#include "platform/sdl/SdlIcon.h"

namespace bt::platform {

int SdlDisplay::chooseScale() const {
  if (options_.scale > 0) return options_.scale;
  SDL_Rect usable{};
  int fit = 2;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && width_ > 0 && height_ > 0) {
    fit = std::min(usable.w / width_, usable.h / height_);
  }
  return std::max(2, fit);
}

bool SdlDisplay::open(int32_t width, int32_t height) {
  if (window_ || width <= 0 || height <= 0) return false;
  width_ = width;
  height_ = height;
  scale_ = chooseScale();
  Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
  if (options_.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  window_ = SDL_CreateWindow(options_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             width * scale_, height * scale_, flags);
  if (!window_) return false;
  SDL_SetWindowMinimumSize(window_, width, height);
  setWindowIcon(window_, options_.iconPath);
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_) {
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
  }
  if (!texture_) {
    close();
    return false;
  }
  // Whole-number scaling with black bars in a larger (full-screen) window;
  // mouse positions arrive in frame-buffer pixels.
  SDL_RenderSetLogicalSize(renderer_, width, height);
  SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
  memory_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  suspended_ = false;
  show();
  return true;
}

DisplayProperties SdlDisplay::properties() const {
  return DisplayProperties{width_, height_, 2, width_ * 2, 16, kFormatDirect565};
}

void* SdlDisplay::beginDraw() {
  return texture_ ? memory_.data() : nullptr;
}

void SdlDisplay::show() {
  if (!texture_) return;
  SDL_UpdateTexture(texture_, nullptr, memory_.data(), width_ * 2);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void SdlDisplay::setFullscreen(bool on) {
  options_.fullscreen = on;
  if (!window_) return;
  SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (!on) {
    // Back to the window the player had, or a fresh one at the start's scale.
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    if (w < width_ || h < height_) SDL_SetWindowSize(window_, width_ * scale_, height_ * scale_);
  }
  show();
}

void SdlDisplay::raise() {
  if (!window_) return;
  SDL_RestoreWindow(window_);
  SDL_RaiseWindow(window_);
}

void SdlDisplay::close() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
}

}  // namespace bt::platform
