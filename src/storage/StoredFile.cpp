#include "storage/StoredFile.h"

#include <algorithm>
#include <cstring>

#include "platform/os/FileSystem.h"
#include "storage/LittleEndian.h"
#include "storage/Lzss.h"

namespace bt {
namespace {

constexpr size_t kLengthFieldSize = 4;

// One codec per thread: its window and tree are too big for the stack, and
// reusing them keeps saving and loading free of large allocations.
LzssCodec& threadCodec() {
  thread_local LzssCodec codec;
  return codec;
}

}  // namespace

size_t maxStoredFileBytes(size_t n) {
  return kLengthFieldSize + std::max(n, LzssCodec::maxCompressedSize(n));
}

std::vector<uint8_t> encodeStored(const uint8_t* contents, size_t n) {
  if (n > kMaxStoredLength) return {};
  auto length = static_cast<uint32_t>(n);
  std::vector<uint8_t> file(kLengthFieldSize);
  storeLe32(file.data(), length);
  if (n <= kRawStoredLimit) {
    file.insert(file.end(), contents, contents + n);
    return file;
  }
  file.resize(kLengthFieldSize + LzssCodec::maxCompressedSize(n));
  size_t payload = threadCodec().compress(contents, n, file.data() + kLengthFieldSize);
  file.resize(kLengthFieldSize + payload);
  return file;
}

bool decodeStored(const uint8_t* file, size_t fileSize, ByteReader& reader) {
  if (fileSize < kLengthFieldSize) return false;
  uint32_t length = loadLe32(file);
  if (length > kMaxStoredLength) return false;
  const uint8_t* payload = file + kLengthFieldSize;
  size_t payloadSize = fileSize - kLengthFieldSize;

  std::vector<uint8_t> contents(length);  // what a short file leaves out stays zero
  if (length <= kRawStoredLimit) {
    size_t copied = payloadSize < length ? payloadSize : length;
    if (copied > 0) std::memcpy(contents.data(), payload, copied);
  } else {
    threadCodec().decompress(payload, payloadSize, contents.data(), length);
  }
  reader.assign(std::move(contents));
  return true;
}

bool saveStored(const ByteWriter& writer, const std::string& path) {
  auto length = static_cast<size_t>(writer.length());
  if (length > kMaxStoredLength) return false;
  std::vector<uint8_t> file = encodeStored(writer.data(), length);
  return os::writeFileAtomically(path, file);
}

bool loadStored(ByteReader& reader, const std::string& path) {
  // The longest file a valid stored length can need; anything bigger is
  // not a stored file.
  size_t limit = kLengthFieldSize + LzssCodec::maxCompressedSize(kMaxStoredLength);
  std::optional<std::vector<uint8_t>> file = os::readFile(path, limit);
  if (!file) return false;
  return decodeStored(file->data(), file->size(), reader);
}

}  // namespace bt
