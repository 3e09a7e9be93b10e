#include "WebContentType.h"

#include <array>
#include <utility>

namespace bt::scored {

std::string_view webContentType(std::string_view fileName) {
  // application/wasm lets a browser compile the module while it arrives.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kTypes = {{
      {".html", "text/html; charset=utf-8"},
      {".js", "text/javascript"},
      {".wasm", "application/wasm"},
      {".data", "application/octet-stream"},
      {".png", "image/png"},
      {".css", "text/css"},
      {".json", "application/json"},
      {".webmanifest", "application/manifest+json"},
      {".ico", "image/x-icon"},
      {".svg", "image/svg+xml"},
  }};
  for (const auto& [ending, type] : kTypes) {
    if (fileName.ends_with(ending)) return type;
  }
  return "application/octet-stream";
}

}  // namespace bt::scored
