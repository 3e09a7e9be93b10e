// brambletop-levels: designs, solves and shows the built-in levels. See --help.
#include <iostream>
#include <string>
#include <vector>

#include "levels/LevelsTool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return bt::levels::runLevelsTool(args, std::cout, std::cerr);
}
