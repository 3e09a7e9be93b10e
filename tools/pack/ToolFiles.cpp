#include "pack/ToolFiles.h"

#include <memory>

#include "pack/ToolError.h"
#include "platform/os/FileSystem.h"
#include "storage/LittleEndian.h"
#include "storage/Lzss.h"
#include "storage/StoredFile.h"

namespace bt::pack {
namespace {

// How many content bytes the file really holds, up to `length`.
size_t contentsPresent(const std::vector<uint8_t>& file, uint32_t length) {
  size_t payload = file.size() - 4;
  if (length <= kRawStoredLimit) return payload < length ? payload : length;
  auto codec = std::make_unique<LzssCodec>();
  std::vector<uint8_t> scratch(length);
  return codec->decompress(file.data() + 4, payload, scratch.data(), length);
}

}  // namespace

std::vector<uint8_t> readInputFile(const std::string& path) {
  auto bytes = os::readFile(path);
  if (!bytes) throw ToolError(path, "cannot be read (missing, unreadable or over 256 MiB)");
  return std::move(*bytes);
}

void writeOutputFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::string whyNot;
  if (!os::writeFileAtomically(path, bytes, &whyNot)) {
    throw ToolError(path, "cannot be written (" + whyNot + ")");
  }
}

ByteReader restoreStored(const std::vector<uint8_t>& file, const std::string& name) {
  ByteReader reader;
  if (!decodeStored(file.data(), file.size(), reader)) {
    throw ToolError(name, "damaged stored file (length field missing or over 64 MiB)");
  }
  uint32_t length = loadLe32(file.data());
  size_t present = contentsPresent(file, length);
  if (present < length) {
    throw ToolError(name, "damaged stored file (contents end after " + std::to_string(present) +
                              " of " + std::to_string(length) + " bytes)");
  }
  return reader;
}

}  // namespace bt::pack
