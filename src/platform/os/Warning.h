#pragma once
// The program's one way of saying that something went wrong but it goes on:
// a single line on standard error, "brambletop: MESSAGE". Loading stays
// tolerant (defaults, an empty bank); the warning names what was lost.
#include <string_view>

namespace bt {

void warn(std::string_view message);

}  // namespace bt
