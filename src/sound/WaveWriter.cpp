#include "sound/WaveWriter.h"

#include "storage/LittleEndian.h"

namespace bt {

namespace {

void appendTag(std::vector<uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

}  // namespace

std::vector<uint8_t> encodeWave8BitMono(const std::vector<uint8_t>& samples, uint32_t sampleRate) {
  const auto dataBytes = static_cast<uint32_t>(samples.size());
  const uint32_t padding = dataBytes & 1;
  std::vector<uint8_t> out;
  out.reserve(44 + samples.size() + padding);
  appendTag(out, "RIFF");
  appendLe32(out, 36 + dataBytes + padding);
  appendTag(out, "WAVE");
  appendTag(out, "fmt ");
  appendLe32(out, 16);
  appendLe16(out, 1);           // PCM
  appendLe16(out, 1);           // mono
  appendLe32(out, sampleRate);  // samples per second
  appendLe32(out, sampleRate);  // bytes per second
  appendLe16(out, 1);           // block align
  appendLe16(out, 8);           // bits per sample
  appendTag(out, "data");
  appendLe32(out, dataBytes);
  out.insert(out.end(), samples.begin(), samples.end());
  if (padding) out.push_back(0);
  return out;
}

}  // namespace bt
