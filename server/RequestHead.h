#pragma once
// A request's head (request line, header lines and the blank line after
// them) checked strictly before the HTTP library reads it. The library is
// lenient where leniency lets one request hide another: it skips lines it
// cannot read, takes the first of two Content-Lengths, reads "-1" as a huge
// length and ends the request line at a NUL. A head that fails here is
// answered with its status and the connection ends, so that no byte after it
// is read as a request of its own.
#include <cstddef>
#include <string>
#include <string_view>

namespace bt::scored {

// The longest request line, and the longest header line, with its CR LF:
// the library's own limits, so that it never refuses what passed here.
inline constexpr size_t kMaxRequestLineBytes = 8192;
inline constexpr size_t kMaxHeaderLineBytes = 8192;

struct RequestHeadCheck {
  int status = 0;           // 0: well-formed; else the status to answer with
  std::string_view reason;  // one line ending in '\n', for a refusal
  bool asksRange = false;   // it has Range or If-Range lines
  bool typed = false;       // it has a Content-Type line
};

// Where the head at the start of `bytes` ends (just past its blank line), or
// npos while it is incomplete; `from` is how much was searched before. A
// line ended by LF alone counts here, so that such a head is found (and
// refused) at once rather than waited for.
size_t findHeadEnd(std::string_view bytes, size_t from);

// A whole head, as findHeadEnd() delimits it.
RequestHeadCheck checkRequestHead(std::string_view head);

// The head without its Range, If-Range and Content-Type lines: replies are
// sent whole, and every body is read as the bytes it is (the library would
// refuse a form's body over 8 KiB, which a proof of play may pass).
std::string withoutIgnoredFields(std::string_view head);

}  // namespace bt::scored
