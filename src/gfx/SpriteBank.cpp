#include "gfx/SpriteBank.h"

#include <algorithm>

#include "gfx/Colour.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
#include "storage/StoredFile.h"

namespace bt {

namespace {

constexpr int32_t kSpriteHeaderBytes = 14;
constexpr int32_t kMaskHeaderBytes = 2;

// A count read from a file is only trusted as far as the bytes left could
// hold that many records, so a damaged count never causes a huge reserve.
size_t plausibleCount(int32_t count, const ByteReader& reader, int32_t recordBytes) {
  if (count <= 0) return 0;
  return static_cast<size_t>(std::min(count, reader.remaining() / recordBytes));
}

// Reads one sprite record; false when the contents end before it is whole.
bool readSprite(ByteReader& reader, std::vector<uint8_t>& rgb, Sprite& sprite) {
  if (reader.remaining() < kSpriteHeaderBytes) return false;
  sprite.width = reader.readUInt8();
  sprite.height = reader.readUInt8();
  sprite.offsetX = reader.readInt8();
  sprite.offsetY = reader.readInt8();
  sprite.anchorX = reader.readUInt8();
  sprite.anchorY = reader.readUInt8();
  for (uint8_t& b : sprite.extraBytes) b = reader.readUInt8();
  sprite.transparent = reader.readUInt8();
  sprite.extraValue = reader.readUInt16();

  const int32_t pixelCount = int32_t{sprite.width} * sprite.height;
  if (reader.remaining() < pixelCount * 3) return false;
  if (pixelCount == 0) return true;
  rgb.resize(static_cast<size_t>(pixelCount) * 3);
  reader.readBytes(rgb.data(), pixelCount * 3);
  sprite.pixels.resize(static_cast<size_t>(pixelCount));
  for (int32_t i = 0; i < pixelCount; ++i) {
    sprite.pixels[i] = rgb565(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
  }
  return true;
}

// Reads one mask record; false when the contents end before it is whole.
bool readMask(ByteReader& reader, SpriteMask& mask) {
  if (reader.remaining() < kMaskHeaderBytes) return false;
  mask.width = reader.readUInt8();
  mask.height = reader.readUInt8();
  // A width of 0 still has one word per row.
  const int32_t wordsPerRow = (int32_t{mask.width} - 1) / 32 + 1;
  const int32_t words = wordsPerRow * mask.height;
  if (reader.remaining() < words * 4) return false;
  mask.bits.assign(static_cast<size_t>(words), 0);
  if (words > 0) reader.readBytes(mask.bits.data(), words * 4);
  return true;
}

}  // namespace

bool SpriteBank::load(const std::string& path) {
  clear();
  ByteReader reader;
  if (!loadStored(reader, path)) {
    warn("cannot read the sprite bank " + quote(path));
    return false;
  }
  if (!loadSprites(reader)) {
    warn("the sprite bank " + quote(path) + " is damaged; " + std::to_string(count()) +
         " sprites are used");
  }
  reader.release();

  const std::string masks = maskPathOf(path);
  if (!masks.empty()) {
    std::vector<SpriteMask>().swap(masks_);
    ByteReader maskReader;
    // The companion is optional: only one that stands there and fails counts.
    if (loadStored(maskReader, masks)) {
      if (!loadMasks(maskReader)) warn("the mask file " + quote(masks) + " is damaged");
    } else if (os::exists(masks)) {
      warn("cannot read the mask file " + quote(masks));
    }
  }
  return true;
}

bool SpriteBank::loadSprites(ByteReader& reader) {
  clear();
  headerValue_ = reader.readUInt16();
  const int32_t count = reader.readInt32();
  if (reader.isShort()) return false;
  sprites_.reserve(plausibleCount(count, reader, kSpriteHeaderBytes));
  std::vector<uint8_t> rgb;
  for (int32_t i = 0; i < count; ++i) {
    Sprite sprite;
    if (!readSprite(reader, rgb, sprite)) return false;
    sprites_.push_back(std::move(sprite));
  }
  return true;
}

bool SpriteBank::loadMasks(ByteReader& reader) {
  std::vector<SpriteMask>().swap(masks_);
  const int32_t count = reader.readInt32();
  if (reader.isShort()) return false;
  masks_.reserve(plausibleCount(count, reader, kMaskHeaderBytes));
  for (int32_t i = 0; i < count; ++i) {
    SpriteMask mask;
    if (!readMask(reader, mask)) return false;
    masks_.push_back(std::move(mask));
  }
  return true;
}

std::string maskPathOf(const std::string& bankPath) {
  const size_t dot = bankPath.rfind('.');
  if (dot == std::string::npos) return {};
  return bankPath.substr(0, dot + 1) + "msk";
}

const Sprite* SpriteBank::sprite(uint32_t index) const {
  return index < sprites_.size() ? &sprites_[index] : nullptr;
}

void SpriteBank::clear() {
  std::vector<Sprite>().swap(sprites_);
}

}  // namespace bt
