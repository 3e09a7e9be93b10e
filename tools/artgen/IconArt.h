#pragma once
// The program's icon (a ring of four markers on a wooden tile) and its
// desktop entry.
#include <cstdint>
#include <string>
#include <vector>

namespace bt::art {

// size x size RGBA pixels.
std::vector<uint8_t> iconPixels(int size);
// A square icon without transparency whose picture keeps to the middle, for
// launchers that cut their own shape (a web app's "maskable" icon).
std::vector<uint8_t> maskableIconPixels(int size);
std::string desktopEntry();

}  // namespace bt::art
