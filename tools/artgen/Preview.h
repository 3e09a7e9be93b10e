#pragma once
// Mock-ups of the screens drawn from the written art with the game's own
// loaders and blits, laid out where the screens put things, for looking at
// the art in place (written beside the contact sheets).
#include <string>

namespace bt::art {

// artDir holds Game_Sprite/ and Game_Animation/; PNGs go to outDir.
bool writePreviews(const std::string& artDir, const std::string& outDir);

}  // namespace bt::art
