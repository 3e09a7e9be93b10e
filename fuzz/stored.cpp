// Stored files from arbitrary bytes must load without crashing, and any
// contents must come back unchanged from the codec and from the stored-file
// layout.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "storage/ByteReader.h"
#include "storage/LittleEndian.h"
#include "storage/Lzss.h"
#include "storage/StoredFile.h"

namespace {

// Loading arbitrary bytes as a stored file. Lengths between 1 MiB and the
// 64 MiB limit take the same path as smaller ones, only slower.
void loadArbitrary(const uint8_t* data, size_t size) {
  if (size >= 4) {
    uint32_t length = bt::loadLe32(data);
    if (length > (1u << 20) && length <= bt::kMaxStoredLength) return;
  }
  bt::ByteReader reader;
  bool loaded = bt::decodeStored(data, size, reader);
  if (size < 4 || bt::loadLe32(data) > bt::kMaxStoredLength) {
    if (loaded) std::abort();
    return;
  }
  if (!loaded || static_cast<uint32_t>(reader.length()) != bt::loadLe32(data)) std::abort();
  // Read past the end: zeros, never a crash.
  uint8_t tail[8];
  while (reader.remaining() > 0) reader.readUInt8();
  if (reader.readBytes(tail, sizeof tail) || reader.readInt32() != 0 || !reader.isShort())
    std::abort();
}

void roundTripCodec(const uint8_t* data, size_t size) {
  static auto codec = std::make_unique<bt::LzssCodec>();
  std::vector<uint8_t> stream(bt::LzssCodec::maxCompressedSize(size));
  size_t streamSize = codec->compress(data, size, stream.data());
  if (streamSize > stream.size()) std::abort();
  std::vector<uint8_t> restored(size + 1, 0xA5);
  size_t produced = codec->decompress(stream.data(), streamSize, restored.data(), size);
  if (produced != size || restored[size] != 0xA5) std::abort();
  if (size > 0 && std::memcmp(restored.data(), data, size) != 0) std::abort();
}

void roundTripStored(const uint8_t* data, size_t size) {
  std::vector<uint8_t> file = bt::encodeStored(data, size);
  bt::ByteReader reader;
  if (!bt::decodeStored(file.data(), file.size(), reader)) std::abort();
  if (static_cast<size_t>(reader.length()) != size) std::abort();
  if (size > 0 && std::memcmp(reader.data(), data, size) != 0) std::abort();
  if (size <= bt::kRawStoredLimit && file.size() != size + 4) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  loadArbitrary(data, size);
  roundTripCodec(data, size);
  roundTripStored(data, size);
  return 0;
}
