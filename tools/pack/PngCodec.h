#pragma once
// PNG files as the pack tool takes and makes them, through the program's one
// PNG codec (platform/png): RGBA pixels with alpha below 128 become black,
// the key colour of keyed drawing; what is written is always 8-bit RGB.
#include <cstdint>
#include <string>
#include <vector>

#include "pack/RgbImage.h"

namespace bt::pack {

// Decodes a PNG; throws ToolError naming `name` when the bytes are not an
// 8-bit RGB or RGBA PNG, are damaged, or the picture is wider or higher than
// maxSide (checked before any pixel is allocated).
RgbImage decodePng(const std::vector<uint8_t>& bytes, const std::string& name, int maxSide);

// The bytes of an 8-bit RGB PNG holding the image; throws ToolError naming
// `name` when libpng refuses it.
std::vector<uint8_t> encodePng(const RgbImage& image, const std::string& name = "picture");

}  // namespace bt::pack
