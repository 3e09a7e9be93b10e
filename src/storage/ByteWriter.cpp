#include "storage/ByteWriter.h"

#include <cstring>
#include <limits>
#include <new>

#include "storage/LittleEndian.h"

namespace bt {

bool ByteWriter::appendBytes(const void* source, int32_t n) {
  if (n < 0 || (n > 0 && source == nullptr)) return false;
  if (int64_t{length_} + n >= capacity_) {
    int64_t grown = int64_t{capacity_} + n + 1024;
    if (grown > std::numeric_limits<int32_t>::max()) return false;
    try {
      data_.resize(static_cast<size_t>(grown));  // new room is zero-filled
    } catch (const std::bad_alloc&) {
      return false;
    }
    capacity_ = static_cast<int32_t>(grown);
  }
  if (n > 0) std::memcpy(data_.data() + length_, source, static_cast<size_t>(n));
  length_ += n;
  return true;
}

bool ByteWriter::appendInt32(int32_t value) {
  uint8_t bytes[4];
  storeLe32(bytes, static_cast<uint32_t>(value));
  return appendBytes(bytes, 4);
}

bool ByteWriter::appendByte(uint8_t value) {
  return appendBytes(&value, 1);
}

bool ByteWriter::appendUInt16(uint16_t value) {
  uint8_t bytes[2];
  storeLe16(bytes, value);
  return appendBytes(bytes, 2);
}

}  // namespace bt
