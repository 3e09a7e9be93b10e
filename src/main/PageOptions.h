#pragma once
// The options of the program as a web page, read from the page's address:
// "?display=176x220&scale=1&score-server=HOST:PORT&puzzle=ID" stands for the
// command line "--display 176x220 --scale 1 --score-server HOST:PORT --puzzle
// ID". Only these four are taken; anything else is a mistake the page
// reports.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "main/CommandLine.h"

namespace bt {

// The command-line arguments a query (the text after '?') stands for.
std::variant<std::vector<std::string>, CommandLineError> argumentsOfQuery(std::string_view query);

}  // namespace bt
