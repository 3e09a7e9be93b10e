#include "storage/FramedFile.h"

#include <cstring>

#include "storage/ByteWriter.h"
#include "storage/Checksum.h"
#include "storage/LittleEndian.h"
#include "storage/StoredFile.h"

namespace bt {
namespace {

constexpr size_t kSumBytes = 4;

size_t frameBytes(const Framing& framing) {
  return framing.magic.size() + (framing.versioned ? 1 : 0) + (framing.summed ? kSumBytes : 0);
}

}  // namespace

std::vector<uint8_t> encodeFramed(const Framing& framing, uint8_t version,
                                  std::span<const uint8_t> body) {
  ByteWriter writer;
  writer.appendBytes(framing.magic.data(), static_cast<int32_t>(framing.magic.size()));
  if (framing.versioned) writer.appendByte(version);
  writer.appendBytes(body.data(), static_cast<int32_t>(body.size()));
  if (framing.summed) {
    writer.appendInt32(
        static_cast<int32_t>(fnv1a32(writer.data(), static_cast<size_t>(writer.length()))));
  }
  return encodeStored(writer.data(), static_cast<size_t>(writer.length()));
}

std::optional<Unframed> decodeFramed(const Framing& framing, std::span<const uint8_t> file) {
  ByteReader reader;
  if (!decodeStored(file.data(), file.size(), reader)) return std::nullopt;
  const uint8_t* data = reader.data();
  const auto length = static_cast<size_t>(reader.length());
  if (length < frameBytes(framing)) return std::nullopt;
  const size_t summedBytes = framing.summed ? length - kSumBytes : length;
  if (framing.summed && loadLe32(data + summedBytes) != fnv1a32(data, summedBytes)) {
    return std::nullopt;
  }
  if (!framing.magic.empty() &&
      std::memcmp(data, framing.magic.data(), framing.magic.size()) != 0) {
    return std::nullopt;
  }
  size_t at = framing.magic.size();
  Unframed unframed;
  if (framing.versioned) unframed.version = data[at++];
  unframed.body.assign(data + at, data + summedBytes);
  return unframed;
}

size_t maxFramedFileBytes(const Framing& framing, size_t maxBody) {
  return maxStoredFileBytes(frameBytes(framing) + maxBody);
}

}  // namespace bt
