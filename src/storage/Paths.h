#pragma once
// File names inside the program are relative to the program's folders and
// may be written with backslashes ("Game_Sprite\\font240x320.spr"). Folders
// turns them into full paths: art (sprites, animations, sounds) from the art
// folder, "settings.dat", "highscores.dat" and "save.dat" in the data folder.
// The Application owns the one Folders value of a run and hands it on.
#include <cstdint>
#include <string>
#include <string_view>

namespace bt {

class Folders {
 public:
  // Both folders the executable's own, as on the phone.
  Folders();
  // A trailing separator is optional; an empty data folder follows the art.
  Folders(std::string art, std::string data);

  // Full path of an art file (sprites, animations, sounds).
  std::string makePath(std::string_view name) const;
  // Full path of a file the program writes (settings, scores, saved game).
  std::string makeDataPath(std::string_view name) const;

  const std::string& art() const { return art_; }    // with a trailing '/'
  const std::string& data() const { return data_; }  // with a trailing '/'

 private:
  std::string art_;
  std::string data_;
};

// The folder of the running executable, with a trailing '/' ("./" when
// unknown).
std::string executableFolder();

// Size of the file, creating it empty when it is missing; 0 on failure.
uint32_t fileSizeProbe(const std::string& path);

}  // namespace bt
