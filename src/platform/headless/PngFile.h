#pragma once
// Screenshots: an RGB565 picture written as an 8-bit-per-channel RGB PNG.
#include <cstdint>
#include <string>

namespace bt::platform {

// Each channel is widened by repeating its top bits (31 -> 255, 63 -> 255).
// The file is written like every other (see os::writeFileAtomically); false,
// with the reason in whyNot when given, when it could not be written.
bool writePng565(const std::string& path, const uint16_t* pixels, int32_t width, int32_t height,
                 std::string* whyNot = nullptr);

}  // namespace bt::platform
