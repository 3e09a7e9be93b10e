#include "sound/WaveWriter.h"

#include <array>
#include <cstring>

#include "storage/LittleEndian.h"

namespace bt {

namespace {

constexpr size_t kHeaderBytes = 44;

}  // namespace

std::vector<uint8_t> encodeWave8BitMono(const std::vector<uint8_t>& samples, uint32_t sampleRate) {
  const auto dataBytes = static_cast<uint32_t>(samples.size());
  const uint32_t padding = dataBytes & 1;
  std::array<uint8_t, kHeaderBytes> header{};
  uint8_t* h = header.data();
  std::memcpy(h, "RIFF", 4);
  storeLe32(h + 4, 36 + dataBytes + padding);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  storeLe32(h + 16, 16);
  storeLe16(h + 20, 1);           // PCM
  storeLe16(h + 22, 1);           // mono
  storeLe32(h + 24, sampleRate);  // samples per second
  storeLe32(h + 28, sampleRate);  // bytes per second
  storeLe16(h + 32, 1);           // block align
  storeLe16(h + 34, 8);           // bits per sample
  std::memcpy(h + 36, "data", 4);
  storeLe32(h + 40, dataBytes);
  std::vector<uint8_t> out(header.size() + samples.size() + padding, 0);
  std::memcpy(out.data(), header.data(), header.size());
  if (!samples.empty()) std::memcpy(out.data() + header.size(), samples.data(), samples.size());
  return out;
}

}  // namespace bt
