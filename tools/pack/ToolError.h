#pragma once
// The one kind of failure the pack tool reports: bad input or an output that
// cannot be written. The message is a single line, "FILE: fault".
#include <stdexcept>
#include <string>

namespace bt::pack {

class ToolError : public std::runtime_error {
 public:
  ToolError(const std::string& file, const std::string& fault)
      : std::runtime_error(file + ": " + fault) {}
};

}  // namespace bt::pack
