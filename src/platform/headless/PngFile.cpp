#include "platform/headless/PngFile.h"

#include <vector>

#include "platform/png/PngCodec.h"

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

bool writePng565(const std::string& path, const uint16_t* pixels, int32_t width, int32_t height,
                 std::string* whyNot) {
  if (width <= 0 || height <= 0 || !pixels) {
    if (whyNot) *whyNot = "no picture to write";
    return false;
  }
  const std::vector<uint8_t> rgb =
      widenTo888(pixels, static_cast<size_t>(width) * static_cast<size_t>(height));
  return writePngFile(path, width, height, 3, rgb.data(), whyNot);
}

}  // namespace bt::platform
