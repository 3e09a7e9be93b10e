#pragma once
// The Content-Type of a web page's file, from the end of its name; a name
// not listed is sent as bytes (application/octet-stream).
#include <string_view>

namespace bt::scored {

std::string_view webContentType(std::string_view fileName);

}  // namespace bt::scored
