#pragma once
#include <string>

namespace bt::scored {

// "P" and 7 give "P7". (Written out because GCC 12 warns wrongly about
// "P" + std::to_string(7).)
inline std::string numbered(std::string prefix, long long number) {
  prefix += std::to_string(number);
  return prefix;
}

}  // namespace bt::scored
