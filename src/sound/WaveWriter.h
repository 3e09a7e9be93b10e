#pragma once
// The one writer of RIFF WAVE files: what a headless run played (--wav) and
// the sounds the art generator makes.
#include <cstdint>
#include <vector>

namespace bt {

// A 44-byte header ("RIFF", "WAVE", a 16-byte PCM "fmt " chunk, "data"), the
// unsigned 8-bit mono samples, and a zero pad byte when their count is odd,
// since chunks are padded to an even size.
std::vector<uint8_t> encodeWave8BitMono(const std::vector<uint8_t>& samples,
                                        uint32_t sampleRate = 8000);

}  // namespace bt
