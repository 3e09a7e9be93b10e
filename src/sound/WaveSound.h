#pragma once
// One sound effect: the bytes of a RIFF WAVE file's "data" chunk, played as
// unsigned 8-bit mono samples at 8000 per second (the "fmt " chunk is not
// interpreted).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bt {

class WaveSound {
 public:
  // False when the file cannot be read or lacks the RIFF/WAVE tags (either is
  // named in one warning line). A "data" chunk that reaches past the end
  // takes the bytes present.
  bool load(const std::string& path);
  bool loadFromMemory(const uint8_t* bytes, size_t n);

  const uint8_t* samples() const { return samples_.data(); }
  uint32_t length() const { return static_cast<uint32_t>(samples_.size()); }

 private:
  std::vector<uint8_t> samples_;
};

}  // namespace bt
