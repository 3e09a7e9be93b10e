#include "platform/sdl/SdlIcon.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace bt::platform {

void setWindowIcon(SDL_Window* window, const std::string& pngPath) {
  if (!window || pngPath.empty()) return;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, pngPath.c_str())) return;
  // Icons are small; anything larger is not an icon.
  if (image.width == 0 || image.height == 0 || image.width > 512 || image.height > 512) {
    png_image_free(&image);
    return;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      pixels.data(), static_cast<int>(image.width), static_cast<int>(image.height), 32,
      static_cast<int>(image.width * 4), SDL_PIXELFORMAT_RGBA32);
  if (!surface) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

}  // namespace bt::platform
