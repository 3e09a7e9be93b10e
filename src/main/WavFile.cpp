#include "main/WavFile.h"

#include <array>
#include <cstring>

#include "platform/os/FileSystem.h"

namespace bt {

namespace {

void put32(uint8_t* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}
void put16(uint8_t* at, uint16_t v) {
  at[0] = static_cast<uint8_t>(v);
  at[1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

std::vector<uint8_t> makeWav8BitMono(const std::vector<uint8_t>& samples, uint32_t sampleRate) {
  const auto dataBytes = static_cast<uint32_t>(samples.size());
  const uint32_t padding = dataBytes & 1;  // chunks are padded to an even size
  std::array<uint8_t, 44> header{};
  uint8_t* h = header.data();
  std::memcpy(h, "RIFF", 4);
  put32(h + 4, 36 + dataBytes + padding);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  put32(h + 16, 16);
  put16(h + 20, 1);  // PCM
  put16(h + 22, 1);  // mono
  put32(h + 24, sampleRate);
  put32(h + 28, sampleRate);  // bytes per second
  put16(h + 32, 1);           // block align
  put16(h + 34, 8);           // bits per sample
  std::memcpy(h + 36, "data", 4);
  put32(h + 40, dataBytes);
  std::vector<uint8_t> out(header.size() + samples.size() + padding, 0);
  std::memcpy(out.data(), header.data(), header.size());
  if (!samples.empty()) std::memcpy(out.data() + header.size(), samples.data(), samples.size());
  return out;
}

bool writeWav8BitMono(const std::string& path, const std::vector<uint8_t>& samples,
                      uint32_t sampleRate) {
  return os::writeFileAtomically(path, makeWav8BitMono(samples, sampleRate));
}

}  // namespace bt
