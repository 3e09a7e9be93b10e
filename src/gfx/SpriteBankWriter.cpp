#include "gfx/SpriteBankWriter.h"

#include <algorithm>

#include "storage/StoredFile.h"

namespace bt {

namespace {

void appendSprite(ByteWriter& out, const SpriteImage& image) {
  out.appendByte(image.width);
  out.appendByte(image.height);
  out.appendByte(static_cast<uint8_t>(image.offsetX));
  out.appendByte(static_cast<uint8_t>(image.offsetY));
  out.appendByte(image.anchorX);
  out.appendByte(image.anchorY);
  for (int i = 0; i < 5; ++i) out.appendByte(0);  // extra bytes
  out.appendByte(image.transparent);
  out.appendUInt16(0);  // extra value

  // Exactly width * height pixels: a short picture is padded with black,
  // a long one cut, so the record always has the size its header states.
  const size_t need = size_t{image.width} * image.height * 3;
  const size_t have = std::min(need, image.rgb.size());
  if (have > 0) out.appendBytes(image.rgb.data(), static_cast<int32_t>(have));
  for (size_t i = have; i < need; ++i) out.appendByte(0);
}

}  // namespace

ByteWriter writeSpriteBank(const std::vector<SpriteImage>& sprites, uint16_t headerValue) {
  ByteWriter out;
  out.appendUInt16(headerValue);
  out.appendInt32(static_cast<int32_t>(sprites.size()));
  for (const SpriteImage& image : sprites) appendSprite(out, image);
  return out;
}

bool saveSpriteBank(const std::vector<SpriteImage>& sprites, const std::string& path,
                    uint16_t headerValue) {
  return saveStored(writeSpriteBank(sprites, headerValue), path);
}

}  // namespace bt
