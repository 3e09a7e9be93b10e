#pragma once
// The rotation sound: unsigned 8-bit mono PCM at 8000 samples per second.
#include <cstdint>
#include <string>
#include <vector>

namespace bt::art {

std::vector<uint8_t> rotationSamples();

}  // namespace bt::art
