#include "net/ScoreReply.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace bt {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

class ReplyReader {
 public:
  explicit ReplyReader(std::string_view text) : text_(text) {}

  // A number as a C library reads an integer of base 0: "0x" needs a hex
  // digit after it to count as a prefix, else the "0" is the number.
  std::optional<int32_t> readScore() {
    skipBlanks();
    size_t at = position_;
    bool negative = false;
    if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) negative = text_[at++] == '-';
    int base = 10;
    if (at < text_.size() && text_[at] == '0') {
      base = 8;
      if (at + 2 < text_.size() && (text_[at + 1] == 'x' || text_[at + 1] == 'X') &&
          digitValue(text_[at + 2]) < 16) {
        base = 16;
        at += 2;
      }
    }
    const size_t first = at;
    int64_t value = 0;
    while (at < text_.size() && digitValue(text_[at]) < base) {
      value = value * base + digitValue(text_[at++]);
      if (value > int64_t{1} << 31) return std::nullopt;
    }
    if (at == first) return std::nullopt;
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    position_ = at;
    return static_cast<int32_t>(value);
  }

  bool readName(std::array<char, kScoreNameBytes>& name) {
    skipBlanks();
    const size_t first = position_;
    while (position_ < text_.size() && !isBlank(text_[position_])) ++position_;
    if (position_ == first) return false;
    name.fill(0);
    const size_t kept = std::min(position_ - first, name.size() - 1);
    std::copy_n(text_.begin() + static_cast<std::ptrdiff_t>(first), kept, name.begin());
    return true;
  }

 private:
  void skipBlanks() {
    while (position_ < text_.size() && isBlank(text_[position_])) ++position_;
  }

  std::string_view text_;
  size_t position_ = 0;
};

}  // namespace

ScoreReply parseScoreReply(std::string_view body) {
  body = body.substr(0, body.find('\0'));
  ScoreReply reply;
  ReplyReader reader(body);
  while (reply.count < kScoreReplyPairs) {
    ScorePair& pair = reply.pairs[static_cast<size_t>(reply.count)];
    const std::optional<int32_t> score = reader.readScore();
    if (!score || !reader.readName(pair.name)) break;
    pair.score = *score;
    ++reply.count;
  }
  return reply;
}

}  // namespace bt
