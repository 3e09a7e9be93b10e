#include "platform/os/Quote.h"

namespace bt {

std::string printable(std::string_view text, size_t maxBytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < text.size() && i < maxBytes; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out += static_cast<char>(byte);
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  if (text.size() > maxBytes) out += "...";
  return out;
}

std::string quote(std::string_view text, size_t maxBytes) {
  std::string out(1, '\'');
  out += printable(text, maxBytes);
  out += '\'';
  return out;
}

}  // namespace bt
