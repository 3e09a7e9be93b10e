#pragma once
// Percent-decoding of one query value: "%4A" becomes "J"; every other byte,
// '+' included, stands for itself. A '%' not followed by two hex digits makes
// the value unreadable (nullopt).
#include <optional>
#include <string>
#include <string_view>

namespace bt {

std::optional<std::string> percentDecode(std::string_view text);

}  // namespace bt
