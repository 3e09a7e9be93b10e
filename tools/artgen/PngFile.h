#pragma once
// PNG output for the icons and the contact sheets.
#include <cstdint>
#include <string>
#include <vector>

namespace bt::art {

// rgba is width * height * 4 bytes. The file is replaced atomically.
bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);

}  // namespace bt::art
