#include "platform/os/Warning.h"

#include <cstdio>
#include <string>

namespace bt {

void warn(std::string_view message) {
  // One write per line, so that lines from two threads never interleave.
  std::string line = "brambletop: ";
  line.append(message);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace bt
