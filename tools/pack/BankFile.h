#pragma once
// A sprite bank and its .msk companion read strictly: contents that end
// before their counts and sizes are an error instead of a shorter bank.
#include <string>

#include "gfx/SpriteBank.h"

namespace bt::pack {

struct BankFile {
  SpriteBank bank;
  std::string maskPath;   // "" when the bank's path has no '.'
  bool hasMasks = false;  // the companion exists (it may hold 0 masks)
};

// Reads path and its companion (the path up to its last '.', then "msk", as
// the game forms it); throws ToolError on a missing bank or a damaged file.
BankFile readBankFile(const std::string& path);

}  // namespace bt::pack
