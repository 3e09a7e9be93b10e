#pragma once
// The one kind of failure the pack tool reports: bad input or an output that
// cannot be written. The message is a single line, "FILE: fault", the file
// name cut and with control bytes escaped.
#include <stdexcept>
#include <string>

#include "platform/os/Quote.h"

namespace bt::pack {

class ToolError : public std::runtime_error {
 public:
  ToolError(const std::string& file, const std::string& fault)
      : std::runtime_error(printable(file, kMaxNameBytes) + ": " + fault) {}

 private:
  static constexpr size_t kMaxNameBytes = 400;
};

}  // namespace bt::pack
