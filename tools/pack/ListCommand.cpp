#include <cstdio>

#include "pack/BankFile.h"
#include "pack/Commands.h"

namespace bt::pack {
namespace {

void printHeading(const std::string& path, const BankFile& file, std::ostream& out) {
  out << path << ": " << file.bank.count() << (file.bank.count() == 1 ? " sprite" : " sprites")
      << ", header value " << file.bank.headerValue();
  if (file.hasMasks) {
    size_t masks = file.bank.masks().size();
    out << ", " << masks << (masks == 1 ? " mask" : " masks") << " in " << file.maskPath;
  } else {
    out << ", no mask file";
  }
  out << "\nindex width height offsetX offsetY anchorX anchorY transparent\n";
}

}  // namespace

void listBank(const std::string& bank, std::ostream& out) {
  BankFile file = readBankFile(bank);
  printHeading(bank, file, out);
  const std::vector<Sprite>& sprites = file.bank.sprites();
  for (size_t i = 0; i < sprites.size(); ++i) {
    const Sprite& s = sprites[i];
    char line[96];
    std::snprintf(line, sizeof line, "%5zu %5d %6d %7d %7d %7d %7d %11d\n", i, s.width, s.height,
                  s.offsetX, s.offsetY, s.anchorX, s.anchorY, s.transparent);
    out << line;
  }
}

}  // namespace bt::pack
