#include "pack/BankFile.h"

#include <optional>

#include "pack/ToolError.h"
#include "pack/ToolFiles.h"
#include "platform/os/FileSystem.h"
#include "storage/LittleEndian.h"

namespace bt::pack {
namespace {

int32_t declaredCount(const ByteReader& reader, int32_t offset, const char* what,
                      const std::string& name) {
  if (reader.length() < offset + 4) {
    throw ToolError(name, "damaged (contents end inside the header)");
  }
  const auto value = static_cast<int32_t>(loadLe32(reader.data() + offset));
  if (value < 0) {
    throw ToolError(name, "damaged (declares " + std::to_string(value) + " " + what + "s)");
  }
  return value;
}

void checkCount(size_t read, int32_t declared, const char* what, const std::string& name) {
  if (read < static_cast<size_t>(declared)) {
    throw ToolError(name, "damaged (declares " + std::to_string(declared) + " " + what +
                              "s, contents end inside " + what + " " + std::to_string(read) + ")");
  }
}

}  // namespace

BankFile readBankFile(const std::string& path) {
  BankFile file;
  ByteReader sprites = restoreStored(readInputFile(path), path);
  int32_t declared = declaredCount(sprites, 2, "sprite", path);
  file.bank.loadSprites(sprites);
  checkCount(file.bank.count(), declared, "sprite", path);

  file.maskPath = maskPathOf(path);
  if (file.maskPath.empty()) return file;
  std::optional<std::vector<uint8_t>> maskBytes = os::readFile(file.maskPath);
  if (!maskBytes) return file;
  ByteReader masks = restoreStored(*maskBytes, file.maskPath);
  int32_t declaredMasks = declaredCount(masks, 0, "mask", file.maskPath);
  file.bank.loadMasks(masks);
  checkCount(file.bank.masks().size(), declaredMasks, "mask", file.maskPath);
  file.hasMasks = true;
  return file;
}

}  // namespace bt::pack
