#pragma once
// Growable byte buffer through which stored files are assembled.
#include <cstdint>
#include <vector>

namespace bt {

class ByteWriter {
 public:
  // Grows by n + 1024 whenever length + n reaches the capacity (equality
  // already grows), zero-filling the new room.
  bool appendBytes(const void* source, int32_t n);
  bool appendInt32(int32_t value);  // least significant byte first
  bool appendByte(uint8_t value);
  bool appendUInt16(uint16_t value);  // least significant byte first

  const uint8_t* data() const { return data_.data(); }
  int32_t length() const { return length_; }
  int32_t capacity() const { return capacity_; }

 private:
  std::vector<uint8_t> data_;
  int32_t capacity_ = 0;
  int32_t length_ = 0;
};

}  // namespace bt
