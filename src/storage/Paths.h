#pragma once
// File names inside the program are relative to the program's folder and may
// be written with backslashes ("Game_Sprite\\font240x320.spr"). makePath turns
// them into full paths. Art is read from the art folder (the executable's
// folder by default); "settings.dat", "highscores.dat" and "save.dat" live in
// the data folder (the art folder unless set otherwise).
#include <cstdint>
#include <string>
#include <string_view>

namespace bt {

// Full path of an art file (sprites, animations, sounds).
std::string makePath(std::string_view name);
// Full path of a file the program writes (settings, scores, saved game).
std::string makeDataPath(std::string_view name);

// Folder overrides; "" restores the default. A trailing separator is optional.
void setArtFolder(const std::string& folder);
void setDataFolder(const std::string& folder);
std::string artFolder();   // with a trailing '/'
std::string dataFolder();  // with a trailing '/'

// Size of the file, creating it empty when it is missing; 0 on failure.
uint32_t fileSizeProbe(const std::string& path);

}  // namespace bt
