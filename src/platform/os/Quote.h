#pragma once
// Text from outside (a file name, a word of a script or a manifest) as it
// goes into a message: cut to a readable length, with control and non-ASCII
// bytes shown as \xNN, so that a long or hostile input never floods the
// terminal or sends it escape sequences.
#include <cstddef>
#include <string>
#include <string_view>

namespace bt {

inline constexpr size_t kQuoteMaxBytes = 80;

// The text with every byte outside printable ASCII (and the backslash) as
// \xNN; the first maxBytes bytes and "..." when longer.
std::string printable(std::string_view text, size_t maxBytes);

// printable(text) in single quotes: 'text'.
std::string quote(std::string_view text, size_t maxBytes = kQuoteMaxBytes);

}  // namespace bt
