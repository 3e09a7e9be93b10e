#pragma once
// The program's one way of saying that something went wrong: a single line
// on standard error, "brambletop: MESSAGE". Mostly the program goes on
// (loading stays tolerant: defaults, an empty bank) and the line names what
// was lost; the entry point uses it too for what ends a start.
#include <string_view>

namespace bt {

void warn(std::string_view message);

}  // namespace bt
