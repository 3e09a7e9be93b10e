#pragma once
// The window icon, read from a PNG file.
#include <SDL.h>

#include <string>

namespace bt::platform {

// Does nothing when the file is missing or unreadable.
void setWindowIcon(SDL_Window* window, const std::string& pngPath);

}  // namespace bt::platform
