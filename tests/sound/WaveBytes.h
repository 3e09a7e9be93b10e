#pragma once
// Builds RIFF WAVE files in memory for tests.
#include <cstdint>
#include <string>
#include <vector>

#include "sound/WaveSound.h"
#include "storage/LittleEndian.h"

namespace bt::test {

struct Chunk {
  std::string tag;
  std::vector<uint8_t> body;
  int64_t declaredSize = -1;  // -1: the body's size
};

// "RIFF", a length, "WAVE", then the chunks back to back (no padding).
inline std::vector<uint8_t> waveFile(const std::vector<Chunk>& chunks) {
  std::vector<uint8_t> out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  for (const Chunk& chunk : chunks) {
    out.insert(out.end(), chunk.tag.begin(), chunk.tag.end());
    appendLe32(out, static_cast<uint32_t>(chunk.declaredSize < 0 ? chunk.body.size()
                                                                 : chunk.declaredSize));
    out.insert(out.end(), chunk.body.begin(), chunk.body.end());
  }
  const uint32_t riffLength = static_cast<uint32_t>(out.size() - 8);
  storeLe32(out.data() + 4, riffLength);
  return out;
}

inline Chunk formatChunk() {
  // PCM, mono, 8000 Hz, 8000 bytes/s, block align 1, 8 bits.
  return {"fmt ", {1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0}};
}

inline WaveSound soundOf(const std::vector<uint8_t>& samples) {
  WaveSound sound;
  const std::vector<uint8_t> file = waveFile({formatChunk(), {"data", samples}});
  sound.loadFromMemory(file.data(), file.size());
  return sound;
}

}  // namespace bt::test
