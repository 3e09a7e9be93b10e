#pragma once
// Where the program keeps "settings.dat", "highscores.dat" and "save.dat":
// the folder given on the command line, else the executable's folder when it
// can be written (as on the phone), else the user's data folder.
#include <optional>
#include <string>

namespace bt {

// The folder, created when needed; nullopt when the given folder cannot be
// created. Nothing is written when the chosen folder already exists.
std::optional<std::string> chooseDataFolder(const std::string& given);

}  // namespace bt
