#include "platform/headless/PngFile.h"

#include <png.h>

#include <cstring>
#include <vector>

#include "platform/os/FileSystem.h"

namespace bt::platform {

namespace {

std::vector<uint8_t> widenTo888(const uint16_t* pixels, size_t count) {
  std::vector<uint8_t> rgb(count * 3);
  for (size_t i = 0; i < count; ++i) {
    const uint16_t p = pixels[i];
    const unsigned r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
    rgb[i * 3 + 0] = static_cast<uint8_t>((r << 3) | (r >> 2));
    rgb[i * 3 + 1] = static_cast<uint8_t>((g << 2) | (g >> 4));
    rgb[i * 3 + 2] = static_cast<uint8_t>((b << 3) | (b >> 2));
  }
  return rgb;
}

}  // namespace

bool writePng565(const std::string& path, const uint16_t* pixels, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0 || !pixels) return false;
  const std::vector<uint8_t> rgb =
      widenTo888(pixels, static_cast<size_t>(width) * static_cast<size_t>(height));
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  std::vector<uint8_t> encoded(size);
  const bool ok =
      png_image_write_to_memory(&image, encoded.data(), &size, 0, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  if (!ok) return false;
  encoded.resize(size);
  return os::writeFileAtomically(path, encoded);
}

}  // namespace bt::platform
