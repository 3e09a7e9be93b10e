#include "platform/headless/PngFile.h"

#include <vector>

#include "platform/Rgb565.h"
#include "platform/png/PngCodec.h"

namespace bt::platform {

namespace {

std::vector<uint8_t> widenTo888(const uint16_t* pixels, size_t count) {
  std::vector<uint8_t> rgb(count * 3);
  for (size_t i = 0; i < count; ++i) {
    const Rgb888 colour = widen565(pixels[i]);
    rgb[i * 3 + 0] = colour.r;
    rgb[i * 3 + 1] = colour.g;
    rgb[i * 3 + 2] = colour.b;
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
