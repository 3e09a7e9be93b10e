#include "pack/PngCodec.h"

#include <optional>

#include "pack/ToolError.h"
#include "platform/png/PngCodec.h"

namespace bt::pack {

RgbImage decodePng(const std::vector<uint8_t>& bytes, const std::string& name, int maxSide) {
  std::string fault;
  const std::optional<platform::PngPicture> picture =
      platform::decodePng(bytes, static_cast<uint32_t>(maxSide), fault);
  if (!picture) throw ToolError(name, fault);
  RgbImage image(picture->width, picture->height);
  const size_t channels = static_cast<size_t>(picture->channels);
  const size_t count = static_cast<size_t>(image.width) * image.height;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* source = &picture->pixels[i * channels];
    const bool keyed = channels == 4 && source[3] < 128;
    for (size_t c = 0; c < 3; ++c) image.rgb[i * 3 + c] = keyed ? 0 : source[c];
  }
  return image;
}

std::vector<uint8_t> encodePng(const RgbImage& image, const std::string& name) {
  std::string fault;
  std::optional<std::vector<uint8_t>> bytes =
      platform::encodePng(image.width, image.height, 3, image.rgb.data(), &fault);
  if (!bytes) throw ToolError(name, fault);
  return std::move(*bytes);
}

}  // namespace bt::pack
