#include <string>

#include "pack/BankFile.h"
#include "pack/Commands.h"
#include "pack/ContactSheet.h"
#include "pack/Manifest.h"
#include "pack/PngCodec.h"
#include "pack/SpritePictures.h"
#include "pack/ToolError.h"
#include "pack/ToolFiles.h"
#include "platform/os/FileSystem.h"

namespace bt::pack {
namespace {

// "007.png": at least three digits, more for banks of 1000 sprites or more,
// so that the names sort in index order.
std::string pictureName(size_t index, size_t count) {
  size_t digits = std::to_string(count > 0 ? count - 1 : 0).size();
  std::string number = std::to_string(index);
  if (digits < 3) digits = 3;
  return std::string(digits - number.size(), '0') + number + ".png";
}

ManifestEntry entryFor(const Sprite& sprite) {
  ManifestEntry entry;
  entry.blankWidth = sprite.width;
  entry.blankHeight = sprite.height;
  entry.offsetX = sprite.offsetX;
  entry.offsetY = sprite.offsetY;
  entry.anchorX = sprite.anchorX;
  entry.anchorY = sprite.anchorY;
  entry.transparent = sprite.transparent;
  return entry;
}

std::vector<uint8_t> textBytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

void exportBank(const std::string& bank, const std::string& folder, std::ostream& report) {
  BankFile file = readBankFile(bank);
  if (!os::makeFolders(folder)) throw ToolError(folder, "cannot be created");
  std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  const std::vector<Sprite>& sprites = file.bank.sprites();
  std::string manifest = "# Sprites of " + bank + "; brambletop-pack bank rebuilds it from here.\n";
  size_t pictures = 0;
  for (size_t i = 0; i < sprites.size(); ++i) {
    ManifestEntry entry = entryFor(sprites[i]);
    if (sprites[i].width > 0 && sprites[i].height > 0) {
      entry.file = pictureName(i, sprites.size());
      writeOutputFile(prefix + entry.file, encodePng(spritePicture(sprites[i]), entry.file));
      ++pictures;
    }
    manifest += manifestLine(entry) + "\n";
  }
  int sheetHeight = 0;
  const std::optional<RgbImage> sheet = makeContactSheet(sprites, &sheetHeight);
  if (sheet) writeOutputFile(prefix + "sheet.png", encodePng(*sheet, prefix + "sheet.png"));
  writeOutputFile(prefix + "manifest.txt", textBytes(manifest));
  report << folder << ": " << pictures << " pictures of " << sprites.size() << " sprites, "
         << (sheet ? "sheet.png and " : "") << "manifest.txt\n";
  if (!sheet) {
    report << folder << ": no sheet.png: it would be " << sheetHeight
           << " pixels tall, more than the " << kMaxSheetHeight << " a sheet may have\n";
  }
}

}  // namespace bt::pack
