#include "sound/WaveSound.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
#include "storage/LittleEndian.h"

namespace bt {
namespace {

constexpr size_t kChunkHeaderBytes = 8;

bool hasTag(const uint8_t* at, const char* tag) {
  return std::memcmp(at, tag, 4) == 0;
}

}  // namespace

bool WaveSound::load(const std::string& path) {
  samples_.clear();
  samples_.shrink_to_fit();
  std::string whyNot;
  std::optional<std::vector<uint8_t>> bytes = os::readFile(path, 256u << 20, &whyNot);
  if (!bytes) {
    warn("cannot read the sound " + quote(path) + ": " + whyNot);
    return false;
  }
  if (!loadFromMemory(bytes->data(), bytes->size())) {
    warn("the sound " + quote(path) + " is not a RIFF WAVE file");
    return false;
  }
  return true;
}

bool WaveSound::loadFromMemory(const uint8_t* bytes, size_t n) {
  samples_.clear();
  samples_.shrink_to_fit();
  if (bytes == nullptr || n < 12 || !hasTag(bytes, "RIFF") || !hasTag(bytes + 8, "WAVE")) {
    return false;
  }
  // Chunks follow one another with no padding to an even size; the RIFF
  // length field is not trusted. A later "data" chunk replaces an earlier one,
  // and one that claims more bytes than the file holds takes those present.
  const uint8_t* data = nullptr;
  size_t dataBytes = 0;
  size_t offset = 12;
  while (n - offset >= kChunkHeaderBytes) {
    const uint8_t* header = bytes + offset;
    const size_t bodyOffset = offset + kChunkHeaderBytes;
    const size_t size = loadLe32(header + 4);
    const size_t present = std::min(size, n - bodyOffset);
    if (hasTag(header, "data")) {
      data = bytes + bodyOffset;
      dataBytes = present;
    }
    if (present < size) break;  // that chunk ran to the end of the file
    offset = bodyOffset + size;
  }
  if (data != nullptr) samples_.assign(data, data + dataBytes);
  return true;
}

}  // namespace bt
