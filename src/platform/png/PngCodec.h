#pragma once
// The one PNG reader and writer, over libpng, for the headless backend's
// screenshots, the window icon, both tools and the tests. Reading accepts
// 8-bit RGB and RGBA only (what the art tools make and take); writing makes
// 8-bit RGB or RGBA.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bt::platform {

// An 8-bit picture, row after row without gaps.
struct PngPicture {
  int width = 0;
  int height = 0;
  int channels = 3;  // 3: RGB, 4: RGBA
  std::vector<uint8_t> pixels;
};

// Decodes a PNG; nullopt and the fault in whyNot when the bytes are not an
// 8-bit RGB or RGBA PNG, are damaged, or the picture is wider or higher than
// maxSide (checked before any pixel is allocated).
std::optional<PngPicture> decodePng(const std::vector<uint8_t>& bytes, uint32_t maxSide,
                                    std::string& whyNot);

// The bytes of an 8-bit PNG of the given pixels (channels 3 or 4); nullopt
// and the fault in whyNot when libpng refuses the picture (for example one
// taller than it allows).
std::optional<std::vector<uint8_t>> encodePng(int width, int height, int channels,
                                              const uint8_t* pixels, std::string* whyNot = nullptr);

// Encodes the pixels and replaces path atomically; false and the fault in
// whyNot when either step fails.
bool writePngFile(const std::string& path, int width, int height, int channels,
                  const uint8_t* pixels, std::string* whyNot = nullptr);

}  // namespace bt::platform
