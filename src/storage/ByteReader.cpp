#include "storage/ByteReader.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace bt {

void ByteReader::advance(int32_t n) {
  int64_t next = int64_t{position_} + n;
  position_ = static_cast<int32_t>(std::min<int64_t>(next, std::numeric_limits<int32_t>::max()));
}

uint8_t ByteReader::readUInt8() {
  uint8_t value = 0;
  if (position_ < length_) {
    value = data_[static_cast<size_t>(position_)];
  } else {
    short_ = true;
  }
  advance(1);
  return value;
}

int8_t ByteReader::readInt8() {
  return static_cast<int8_t>(readUInt8());
}

uint16_t ByteReader::readUInt16() {
  uint16_t low = readUInt8();
  uint16_t high = readUInt8();
  return static_cast<uint16_t>(low | (high << 8));
}

int32_t ByteReader::readInt32() {
  uint32_t value = 0;
  for (int shift = 0; shift < 32; shift += 8) value |= uint32_t{readUInt8()} << shift;
  return static_cast<int32_t>(value);
}

bool ByteReader::readBytes(void* destination, int32_t n) {
  if (n < 0) return false;
  auto* out = static_cast<uint8_t*>(destination);
  int32_t available = std::min(n, remaining());
  if (available > 0) std::memcpy(out, data_.data() + position_, static_cast<size_t>(available));
  if (available < n) {
    std::memset(out + available, 0, static_cast<size_t>(n - available));
    short_ = true;
  }
  advance(n);
  return available == n;
}

void ByteReader::assign(std::vector<uint8_t> bytes) {
  data_ = std::move(bytes);
  length_ = static_cast<int32_t>(
      std::min<size_t>(data_.size(), static_cast<size_t>(std::numeric_limits<int32_t>::max())));
  position_ = 0;
  short_ = false;
}

void ByteReader::release() {
  data_ = std::vector<uint8_t>();
  length_ = 0;
  position_ = 0;
  short_ = false;
}

}  // namespace bt
