#include "pack/BankFile.h"

#include <optional>

#include "pack/ToolError.h"
#include "pack/ToolFiles.h"
#include "platform/os/FileSystem.h"

namespace bt::pack {
namespace {

int32_t declaredCount(const ByteReader& reader, int32_t offset, const std::string& name) {
  if (reader.length() < offset + 4)
    throw ToolError(name, "damaged (contents end inside the header)");
  const uint8_t* p = reader.data() + offset;
  auto value =
      static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
  return value > 0 ? value : 0;
}

void checkCount(size_t read, int32_t declared, const char* what, const std::string& name) {
  if (read < static_cast<size_t>(declared)) {
    throw ToolError(name, "damaged (declares " + std::to_string(declared) + " " + what +
                              "s, contents end inside " + what + " " + std::to_string(read) + ")");
  }
}

std::string maskPathOf(const std::string& path) {
  size_t dot = path.find_last_of('.');
  return dot == std::string::npos ? std::string() : path.substr(0, dot + 1) + "msk";
}

}  // namespace

BankFile readBankFile(const std::string& path) {
  BankFile file;
  ByteReader sprites = restoreStored(readInputFile(path), path);
  int32_t declared = declaredCount(sprites, 2, path);
  file.bank.loadSprites(sprites);
  checkCount(file.bank.count(), declared, "sprite", path);

  file.maskPath = maskPathOf(path);
  if (file.maskPath.empty()) return file;
  std::optional<std::vector<uint8_t>> maskBytes = os::readFile(file.maskPath);
  if (!maskBytes) return file;
  ByteReader masks = restoreStored(*maskBytes, file.maskPath);
  int32_t declaredMasks = declaredCount(masks, 0, file.maskPath);
  file.bank.loadMasks(masks);
  checkCount(file.bank.masks().size(), declaredMasks, "mask", file.maskPath);
  file.hasMasks = true;
  return file;
}

}  // namespace bt::pack
