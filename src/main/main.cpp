#include <string>
#include <vector>

#include "main/Program.h"

int main(int argc, char** argv) {
  return bt::runProgram(std::vector<std::string>(argv + 1, argv + argc));
}
