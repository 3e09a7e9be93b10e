#pragma once
// Where the program reads its art and keeps "settings.dat", "highscores.dat"
// and "save.dat". A build keeps the art beside the executable, and the files
// there too when the folder can be written (as on the phone); an installed
// program (the art in share/brambletop beside its bin or games folder) keeps
// them in the user's data folder.
#include <optional>
#include <string>

namespace bt {

// The art folder given on the command line, else the executable's folder when
// it holds Game_Sprite, else the installed art folder when that does, else
// the executable's folder (for the message that names it).
std::string chooseArtFolder(const std::string& given);

// The data folder, created when needed: the given one, else the executable's
// folder when it can be written and the program is not installed, else the
// user's data folder; nullopt when the given folder cannot be created.
// Nothing is written when the chosen folder already exists.
std::optional<std::string> chooseDataFolder(const std::string& given);

}  // namespace bt
