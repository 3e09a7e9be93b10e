#pragma once
// The whole text of a refusal sent by the server itself rather than through
// the HTTP library (a connection turned away, a head that breaks the rules):
// the status, a one-line reason as text/plain, and Connection: close, since
// the connection ends after it.
#include <string>
#include <string_view>

namespace bt::scored {

std::string closingReply(int status, std::string_view reason);

}  // namespace bt::scored
