#include "platform/sdl/SdlIcon.h"

#include <string>
#include <vector>

#include "platform/os/FileSystem.h"
#include "platform/png/PngCodec.h"

namespace bt::platform {

namespace {

// Icons are small; anything larger is not an icon.
constexpr uint32_t kMaxIconSide = 512;

}  // namespace

void setWindowIcon(SDL_Window* window, const std::string& pngPath) {
  if (!window || pngPath.empty()) return;
  const auto bytes = os::readFile(pngPath, 1u << 20);
  if (!bytes) return;
  std::string whyNot;
  std::optional<PngPicture> icon = decodePng(*bytes, kMaxIconSide, whyNot);
  if (!icon) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      icon->pixels.data(), icon->width, icon->height, icon->channels * 8,
      icon->width * icon->channels,
      icon->channels == 4 ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24);
  if (!surface) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

}  // namespace bt::platform
