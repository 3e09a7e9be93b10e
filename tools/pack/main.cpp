// brambletop-pack: stored files and sprite banks for the people who make the
// game's art. See --help.
#include <iostream>
#include <string>
#include <vector>

#include "pack/PackTool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return bt::pack::runPackTool(args, std::cout, std::cerr);
}
