#pragma once
// Bounded reader over the restored contents of a stored file. Reads never go
// past length(): a read beyond yields zeros and marks the reader short, so
// loaders can stop at the first record that does not fit.
#include <cstdint>
#include <vector>

namespace bt {

class ByteReader {
 public:
  int8_t readInt8();
  uint8_t readUInt8();
  uint16_t readUInt16();  // least significant byte first
  int32_t readInt32();    // least significant byte first
  // Copies n bytes (zeros for the part past the end) and advances by n;
  // false when the read reached past the end (or n is negative).
  bool readBytes(void* destination, int32_t n);

  // True once any read reached past the end.
  bool isShort() const { return short_; }
  // Bytes left after position.
  int32_t remaining() const { return position_ < length_ ? length_ - position_ : 0; }

  int32_t length() const { return length_; }
  int32_t position() const { return position_; }
  const uint8_t* data() const { return data_.data(); }

  // Replaces the contents; position back to 0.
  void assign(std::vector<uint8_t> bytes);
  // Frees the contents early (the reader is then empty).
  void release();

 private:
  void advance(int32_t n);

  std::vector<uint8_t> data_;
  int32_t length_ = 0;
  int32_t position_ = 0;
  bool short_ = false;
};

}  // namespace bt
