#include "net/ScoreRequest.h"

#include "net/protocol/ScoreCheck.h"

namespace bt {

namespace {

bool isUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string percentEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (isUnreserved(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string fetchPath(std::string_view gameId) {
  return std::string(kScorePath) + "?game=" + percentEncode(gameId);
}

std::string submitPath(std::string_view gameId, std::string_view name, int32_t score) {
  return fetchPath(gameId) + "&init=" + percentEncode(name) + "&score=" + std::to_string(score) +
         "&special=" + std::to_string(scoreCheckValue(score));
}

}  // namespace bt
