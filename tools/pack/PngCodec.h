#pragma once
// PNG files in memory, through libpng. Reading accepts 8-bit RGB and RGBA
// only (the art tools' input); RGBA pixels with alpha below 128 become black,
// the key colour of keyed drawing. Writing always produces 8-bit RGB.
#include <cstdint>
#include <string>
#include <vector>

#include "pack/RgbImage.h"

namespace bt::pack {

// Decodes a PNG; throws ToolError naming `name` when the bytes are not an
// 8-bit RGB or RGBA PNG, are damaged, or the picture is wider or higher than
// maxSide (checked before any pixel is allocated).
RgbImage decodePng(const std::vector<uint8_t>& bytes, const std::string& name, int maxSide);

// The bytes of an 8-bit RGB PNG holding the image (at least 1x1; throws
// std::runtime_error when libpng refuses it).
std::vector<uint8_t> encodePng(const RgbImage& image);

}  // namespace bt::pack
