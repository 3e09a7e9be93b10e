#pragma once
// Whether an Accept-Encoding header value takes gzip: "gzip" or "x-gzip"
// (any case) with no q value or one above zero; "*" with one above zero
// when gzip is not named. An empty or unreadable value takes nothing.
#include <string_view>

namespace bt::scored {

bool acceptsGzip(std::string_view acceptEncoding);

}  // namespace bt::scored
