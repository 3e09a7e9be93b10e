#pragma once
// Stored-file layout: a 4-byte little-endian length N, then the contents,
// raw when N <= 100 and LZSS-compressed above.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/ByteReader.h"
#include "storage/ByteWriter.h"

namespace bt {

// Largest stored length a loader accepts; anything above is a damaged file.
inline constexpr uint32_t kMaxStoredLength = 64u << 20;
// Contents up to this many bytes are stored raw.
inline constexpr uint32_t kRawStoredLimit = 100;

// The most bytes a stored file of contents up to n bytes can take: the
// length field and the contents raw, or compressed at the codec's worst.
size_t maxStoredFileBytes(size_t n);

// The bytes of a stored file holding the given contents.
std::vector<uint8_t> encodeStored(const uint8_t* contents, size_t n);
// Restores the contents of a stored file already in memory. False when the
// length field is missing or above kMaxStoredLength. A stream that ends early
// leaves the rest of the contents zero.
bool decodeStored(const uint8_t* file, size_t fileSize, ByteReader& reader);

// Writes writer's bytes as a stored file, replacing path atomically.
bool saveStored(const ByteWriter& writer, const std::string& path);
// Reads a stored file into reader; false (reader unchanged) when it cannot be
// opened or is damaged beyond reading.
bool loadStored(ByteReader& reader, const std::string& path);

}  // namespace bt
