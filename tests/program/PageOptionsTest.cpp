#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/PageOptions.h"

namespace bt {
namespace {

// A page's address stands for a command line of three options; the rest is
// a mistake the page shows rather than ignores.
TEST(PageOptions, QueryBecomesTheCommandLine) {
  struct Case {
    const char* query;
    std::vector<std::string> arguments;  // empty with an error
    const char* error;                   // a part of the message
  };
  const Case cases[] = {
      {"", {}, nullptr},
      {"display=176x220&scale=1", {"--display", "176x220", "--scale", "1"}, nullptr},
      {"score-server=%5B%3A%3A1%5D%3A8750&&", {"--score-server", "[::1]:8750"}, nullptr},
      {"display", {"--display", ""}, nullptr},
      {"data-dir=/tmp", {}, "unknown option 'data-dir'"},
      {"headless=1&script=x", {}, "unknown option 'headless'"},
      {"scale=%2", {}, "%-escape"},
      {"sc%ZZale=1", {}, "%-escape"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    const auto result = argumentsOfQuery(c.query);
    if (c.error) {
      ASSERT_TRUE(std::holds_alternative<CommandLineError>(result));
      EXPECT_NE(std::get<CommandLineError>(result).message.find(c.error), std::string::npos)
          << std::get<CommandLineError>(result).message;
    } else {
      ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(result));
      EXPECT_EQ(std::get<std::vector<std::string>>(result), c.arguments);
    }
  }
}

// What the page takes goes on to the command line's own checks.
TEST(PageOptions, ValuesAreCheckedAsOnTheCommandLine) {
  const auto arguments = std::get<std::vector<std::string>>(argumentsOfQuery("display=100x100"));
  EXPECT_TRUE(std::holds_alternative<CommandLineError>(parseCommandLine(arguments)));
}

}  // namespace
}  // namespace bt
