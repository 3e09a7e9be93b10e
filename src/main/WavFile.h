#pragma once
// What a headless run played, as a WAV file of unsigned 8-bit mono samples
// at 8000 per second.
#include <cstdint>
#include <string>
#include <vector>

namespace bt {

std::vector<uint8_t> makeWav8BitMono(const std::vector<uint8_t>& samples, uint32_t sampleRate);
// Replaces the file atomically; false when it could not be written.
bool writeWav8BitMono(const std::string& path, const std::vector<uint8_t>& samples,
                      uint32_t sampleRate = 8000);

}  // namespace bt
