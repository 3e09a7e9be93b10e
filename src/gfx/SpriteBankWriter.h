#pragma once
// Assembles bank contents (before the stored-file layer) from 8-bit RGB
// pictures, for the tools that make art.
#include <cstdint>
#include <string>
#include <vector>

#include "storage/ByteWriter.h"

namespace bt {

struct SpriteImage {
  uint8_t width = 0, height = 0;
  int8_t offsetX = 0, offsetY = 0;
  uint8_t anchorX = 0, anchorY = 0;
  uint8_t transparent = 0;
  std::vector<uint8_t> rgb;  // width * height * 3 bytes, row after row
};

// The bank's contents: header value, count, then each sprite record.
ByteWriter writeSpriteBank(const std::vector<SpriteImage>& sprites, uint16_t headerValue = 0);
// Writes the bank as a stored file (atomically); false on failure.
bool saveSpriteBank(const std::vector<SpriteImage>& sprites, const std::string& path,
                    uint16_t headerValue = 0);

}  // namespace bt
