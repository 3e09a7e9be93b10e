#pragma once
// A contact sheet of a bank's pictures, for looking at the art.
#include <string>
#include <vector>

#include "gfx/SpriteBankWriter.h"

namespace bt::art {

// Each picture at `zoom` times its size, in rows; black (the key colour)
// shown as a dark checker pattern.
bool writeContactSheet(const std::string& path, const std::vector<SpriteImage>& sprites, int zoom);

}  // namespace bt::art
