#include "platform/net/HttpReplyReader.h"

#include <algorithm>
#include <cctype>

namespace bt::platform {

namespace {

// A chunk-size line is a few hex digits and perhaps an extension.
constexpr size_t kMaxChunkLine = 1024;
// More digits than any body this client would wait for.
constexpr size_t kMaxLengthDigits = 15;

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

int hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The line without its end ("\r\n" or a bare "\n").
std::string_view withoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

HttpReplyReader::State HttpReplyReader::take(std::string_view bytes) {
  if (state_ != State::Reading) return state_;
  waiting_.append(bytes);
  while (state_ == State::Reading && step()) {
  }
  return state_;
}

HttpReplyReader::State HttpReplyReader::end() {
  if (state_ != State::Reading) return state_;
  if (part_ == Part::ToTheEnd) {
    state_ = State::Done;
  } else {
    fail();  // the connection ended before the reply did
  }
  return state_;
}

void HttpReplyReader::fail() {
  state_ = State::Failed;
  waiting_.clear();
}

bool HttpReplyReader::takeLine(std::string& line, size_t limit) {
  const size_t end = waiting_.find('\n');
  if (end == std::string::npos || end >= limit) {
    if (waiting_.size() >= limit) fail();
    return false;
  }
  line.assign(withoutLineEnd(std::string_view(waiting_).substr(0, end + 1)));
  waiting_.erase(0, end + 1);
  return true;
}

bool HttpReplyReader::step() {
  std::string line;
  switch (part_) {
    case Part::StatusLine:
    case Part::Headers: {
      const size_t before = waiting_.size();
      if (!takeLine(line, maxHead_ - headBytes_)) return false;
      headBytes_ += before - waiting_.size();
      return headLine(line);
    }
    case Part::Sized:
    case Part::ChunkData: {
      const size_t n = static_cast<size_t>(std::min<uint64_t>(remaining_, waiting_.size()));
      if (n == 0) return false;
      keepBody(n);
      remaining_ -= n;
      if (remaining_ == 0 && state_ == State::Reading) {
        if (part_ == Part::Sized) {
          state_ = State::Done;
        } else {
          part_ = Part::ChunkEnd;
        }
      }
      return true;
    }
    case Part::ToTheEnd:
      if (waiting_.empty()) return false;
      keepBody(waiting_.size());
      return true;
    case Part::Chunked:
      if (!takeLine(line, kMaxChunkLine)) return false;
      return chunkSizeLine(line);
    case Part::ChunkEnd:
      if (waiting_.size() < 2 && waiting_ != "\n") return false;
      if (waiting_.starts_with("\r\n") || waiting_.starts_with('\n')) {
        waiting_.erase(0, waiting_[0] == '\r' ? 2 : 1);
        part_ = Part::Chunked;
        return true;
      }
      fail();  // the chunk does not end where its size says
      return false;
  }
  return false;
}

bool HttpReplyReader::headLine(std::string_view line) {
  if (part_ == Part::StatusLine) {
    // "HTTP/1.x NNN reason"
    if (line.size() < 12 || !line.starts_with("HTTP/1.") || !isDigit(line[7]) || line[8] != ' ' ||
        !isDigit(line[9]) || !isDigit(line[10]) || !isDigit(line[11]) ||
        (line.size() > 12 && line[12] != ' ')) {
      fail();
      return false;
    }
    status_ = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
    part_ = Part::Headers;
    return true;
  }
  if (line.empty()) {
    if (status_ >= 100 && status_ < 200) {  // an interim reply: the real one follows
      part_ = Part::StatusLine;
      chunked_ = sized_ = transferCoded_ = false;
      return true;
    }
    startBody();
    return true;
  }
  // A folded line continues the header before it: nothing this client reads.
  if (line.front() == ' ' || line.front() == '\t') return true;
  const size_t colon = line.find(':');
  if (colon == std::string_view::npos || colon == 0) {
    fail();
    return false;
  }
  return header(line.substr(0, colon), trimmed(line.substr(colon + 1)));
}

bool HttpReplyReader::header(std::string_view name, std::string_view value) {
  if (sameName(name, "Transfer-Encoding")) {
    // Chunks when "chunked" is the last coding; else the body runs to the
    // connection's end.
    const size_t comma = value.rfind(',');
    const std::string_view last =
        trimmed(comma == std::string_view::npos ? value : value.substr(comma + 1));
    chunked_ = sameName(last, "chunked");
    transferCoded_ = true;
    return true;
  }
  if (!sameName(name, "Content-Length")) return true;
  if (value.empty() || value.size() > kMaxLengthDigits ||
      !std::all_of(value.begin(), value.end(), isDigit)) {
    fail();
    return false;
  }
  uint64_t length = 0;
  for (char c : value) length = length * 10 + static_cast<uint64_t>(c - '0');
  if (sized_ && length != remaining_) {
    fail();
    return false;
  }
  sized_ = true;
  remaining_ = length;
  return true;
}

void HttpReplyReader::startBody() {
  if (status_ == 204 || status_ == 304 || maxBody_ == 0) {
    state_ = State::Done;
  } else if (transferCoded_) {
    part_ = chunked_ ? Part::Chunked : Part::ToTheEnd;
  } else if (sized_) {
    part_ = Part::Sized;
    if (remaining_ == 0) state_ = State::Done;
  } else {
    part_ = Part::ToTheEnd;
  }
}

bool HttpReplyReader::chunkSizeLine(std::string_view line) {
  const std::string_view digits = trimmed(line.substr(0, line.find(';')));
  if (digits.empty() || digits.size() > kMaxLengthDigits) {
    fail();
    return false;
  }
  uint64_t size = 0;
  for (char c : digits) {
    const int value = hexValue(c);
    if (value < 0) {
      fail();
      return false;
    }
    size = size * 16 + static_cast<uint64_t>(value);
  }
  if (size == 0) {
    state_ = State::Done;  // the last chunk; trailers are not read
    return false;
  }
  remaining_ = size;
  part_ = Part::ChunkData;
  return true;
}

void HttpReplyReader::keepBody(size_t n) {
  const size_t room = maxBody_ - body_.size();
  body_.append(waiting_, 0, std::min(n, room));
  waiting_.erase(0, n);
  if (body_.size() >= maxBody_) state_ = State::Done;
}

}  // namespace bt::platform
