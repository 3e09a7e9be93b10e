#pragma once
// HTTP's timestamps, always in UTC at whole seconds. Written only as
// "Sun, 06 Nov 1994 08:49:37 GMT"; read in that form and in the two older
// ones a client may still send, "Sunday, 06-Nov-94 08:49:37 GMT" and
// "Sun Nov  6 08:49:37 1994", exactly (names are case-sensitive). A
// two-digit year more than 50 years after `now` is taken a century earlier.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace bt::scored {

std::string formatHttpDate(std::chrono::sys_seconds time);

// Empty for anything but a valid date in one of the three forms.
std::optional<std::chrono::sys_seconds> parseHttpDate(
    std::string_view text, std::chrono::sys_seconds now = std::chrono::floor<std::chrono::seconds>(
                               std::chrono::system_clock::now()));

}  // namespace bt::scored
