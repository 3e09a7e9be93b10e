#include <string>

#include "gfx/SpriteBankWriter.h"
#include "pack/Commands.h"
#include "pack/Manifest.h"
#include "pack/PngCodec.h"
#include "pack/ToolError.h"
#include "pack/ToolFiles.h"
#include "storage/StoredFile.h"

namespace bt::pack {
namespace {

constexpr int kMaxSpriteSide = 255;  // a record keeps width and height in one byte each

SpriteImage imageFor(const ManifestEntry& entry) {
  SpriteImage image;
  if (entry.file.empty()) {
    image.width = static_cast<uint8_t>(entry.blankWidth);
    image.height = static_cast<uint8_t>(entry.blankHeight);
    image.rgb.assign(static_cast<size_t>(image.width) * image.height * 3, 0);
  } else {
    RgbImage picture = decodePng(readInputFile(entry.file), entry.file, kMaxSpriteSide);
    image.width = static_cast<uint8_t>(picture.width);
    image.height = static_cast<uint8_t>(picture.height);
    image.rgb = std::move(picture.rgb);
  }
  image.offsetX = entry.offsetX;
  image.offsetY = entry.offsetY;
  image.anchorX = entry.anchorX;
  image.anchorY = entry.anchorY;
  image.transparent = entry.transparent;
  return image;
}

}  // namespace

void buildBank(const std::string& manifest, const std::string& out, std::ostream& report) {
  std::vector<uint8_t> text = readInputFile(manifest);
  std::vector<ManifestEntry> entries =
      parseManifest(std::string(text.begin(), text.end()), manifest);
  std::vector<SpriteImage> images;
  images.reserve(entries.size());
  size_t length = 6;  // header value and count
  for (const ManifestEntry& entry : entries) {
    images.push_back(imageFor(entry));
    length += 14 + images.back().rgb.size();
    if (length > kMaxStoredLength) {
      // The game refuses longer stored files as damaged.
      throw ToolError(manifest, "makes a bank of over 64 MiB at line " +
                                    std::to_string(entry.line) + "; split it");
    }
  }
  ByteWriter contents = writeSpriteBank(images);
  std::vector<uint8_t> stored = encodeStored(contents.data(), contents.length());
  writeOutputFile(out, stored);
  report << out << ": " << images.size() << (images.size() == 1 ? " sprite, " : " sprites, ")
         << stored.size() << " bytes\n";
}

}  // namespace bt::pack
