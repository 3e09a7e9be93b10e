#include "RequestHead.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace bt::scored {
namespace {

constexpr size_t npos = std::string_view::npos;

bool isTokenChar(unsigned char c) {
  return std::isalnum(c) || std::string_view("!#$%&'*+-.^_`|~").find(static_cast<char>(c)) != npos;
}

bool isToken(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return isTokenChar(static_cast<unsigned char>(c));
  });
}

// Visible ASCII only: no space, no control byte, nothing past 0x7E.
bool isTarget(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7f; });
}

// A field value may hold tabs, spaces, visible ASCII and bytes past 0x7F.
bool isFieldValue(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u == '\t' || (u >= 0x20 && u != 0x7f);
  });
}

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Every CR is followed by LF and every LF follows a CR.
bool linesEndInCrLf(std::string_view head) {
  for (size_t i = 0; i < head.size(); ++i) {
    if (head[i] == '\r' && (i + 1 == head.size() || head[i + 1] != '\n')) return false;
    if (head[i] == '\n' && (i == 0 || head[i - 1] != '\r')) return false;
  }
  return true;
}

RequestHeadCheck refusal(int status, std::string_view reason) {
  return {status, reason, false};
}

RequestHeadCheck checkRequestLine(std::string_view line, bool& http10) {
  if (line.size() + 2 > kMaxRequestLineBytes) return refusal(414, "the request line is too long\n");
  const size_t space1 = line.find(' ');
  const size_t space2 = space1 == npos ? npos : line.find(' ', space1 + 1);
  if (space2 == npos) return refusal(400, "the request line is not METHOD TARGET VERSION\n");
  const std::string_view method = line.substr(0, space1);
  const std::string_view target = line.substr(space1 + 1, space2 - space1 - 1);
  const std::string_view version = line.substr(space2 + 1);
  if (!isToken(method) || !isTarget(target) || version.size() != 8 ||
      !version.starts_with("HTTP/") || !std::isdigit(static_cast<unsigned char>(version[5])) ||
      version[6] != '.' || !std::isdigit(static_cast<unsigned char>(version[7]))) {
    return refusal(400, "the request line is not METHOD TARGET VERSION\n");
  }
  if (version != "HTTP/1.1" && version != "HTTP/1.0") {
    return refusal(505, "the server speaks HTTP 1.0 and 1.1 only\n");
  }
  static constexpr std::array<std::string_view, 9> kMethods = {
      "GET", "HEAD", "POST", "PUT", "DELETE", "CONNECT", "OPTIONS", "TRACE", "PATCH"};
  if (std::find(kMethods.begin(), kMethods.end(), method) == kMethods.end()) {
    return refusal(501, "no such method\n");
  }
  http10 = version == "HTTP/1.0";
  return {};
}

// What the header lines say about the body and the host, as far as checked.
struct Fields {
  int contentLengths = 0;
  int hosts = 0;
  std::vector<std::string_view> codings;  // Transfer-Encoding, all lines
  bool asksRange = false;
  bool typed = false;
};

RequestHeadCheck readField(std::string_view line, Fields& fields) {
  if (line.size() + 2 > kMaxHeaderLineBytes) return refusal(431, "a header line is too long\n");
  if (line.front() == ' ' || line.front() == '\t') {
    return refusal(400, "a header line is folded\n");
  }
  const size_t colon = line.find(':');
  if (colon == npos || !isToken(line.substr(0, colon))) {
    return refusal(400, "a header line is not NAME: VALUE\n");
  }
  const std::string_view name = line.substr(0, colon);
  const std::string_view value = trimmed(line.substr(colon + 1));
  if (!isFieldValue(line.substr(colon + 1))) {
    return refusal(400, "a header line holds a control byte\n");
  }
  if (sameName(name, "Content-Length")) {
    ++fields.contentLengths;
    if (value.empty() || !std::all_of(value.begin(), value.end(), [](char c) {
          return std::isdigit(static_cast<unsigned char>(c));
        })) {
      return refusal(400, "Content-Length is not a number\n");
    }
  } else if (sameName(name, "Host")) {
    ++fields.hosts;
    if (value.find_first_of(" \t,") != npos) return refusal(400, "Host is not one host\n");
  } else if (sameName(name, "Transfer-Encoding")) {
    for (size_t start = 0; start <= value.size();) {
      const size_t comma = std::min(value.find(',', start), value.size());
      const std::string_view coding = trimmed(value.substr(start, comma - start));
      if (!coding.empty()) fields.codings.push_back(coding);
      start = comma + 1;
    }
  } else if (sameName(name, "Range") || sameName(name, "If-Range")) {
    fields.asksRange = true;
  } else if (sameName(name, "Content-Type")) {
    fields.typed = true;
  }
  return {};
}

// How the body's length is told, and the host, once all lines are read.
RequestHeadCheck checkFields(const Fields& fields, bool http10) {
  if (fields.contentLengths > 1) return refusal(400, "Content-Length is given twice\n");
  if (!fields.codings.empty()) {
    if (fields.contentLengths > 0 || http10) {
      return refusal(400, "the body's length is told two ways\n");
    }
    if (!sameName(fields.codings.back(), "chunked")) {
      return refusal(400, "the body's length cannot be known\n");
    }
    if (fields.codings.size() > 1) return refusal(501, "only chunked bodies are taken\n");
  }
  if (fields.hosts > 1 || (fields.hosts == 0 && !http10)) {
    return refusal(400, "Host must be given once\n");
  }
  return {.status = 0, .reason = {}, .asksRange = fields.asksRange, .typed = fields.typed};
}

}  // namespace

size_t findHeadEnd(std::string_view bytes, size_t from) {
  for (size_t i = bytes.find('\n', from); i != npos; i = bytes.find('\n', i + 1)) {
    // The line this LF ends is blank when the one before ended just before.
    if (i >= 1 && bytes[i - 1] == '\n') return i + 1;
    if (i >= 2 && bytes[i - 1] == '\r' && bytes[i - 2] == '\n') return i + 1;
  }
  return npos;
}

RequestHeadCheck checkRequestHead(std::string_view head) {
  if (!linesEndInCrLf(head)) return refusal(400, "a line does not end in CR LF\n");
  size_t lineEnd = head.find("\r\n");
  bool http10 = false;
  if (RequestHeadCheck line = checkRequestLine(head.substr(0, lineEnd), http10); line.status) {
    return line;
  }
  Fields fields;
  for (size_t start = lineEnd + 2; (lineEnd = head.find("\r\n", start)) != start;
       start = lineEnd + 2) {
    if (RequestHeadCheck field = readField(head.substr(start, lineEnd - start), fields);
        field.status) {
      return field;
    }
  }
  return checkFields(fields, http10);
}

std::string withoutIgnoredFields(std::string_view head) {
  std::string kept;
  kept.reserve(head.size());
  for (size_t start = 0; start < head.size();) {
    const size_t end = std::min(head.find('\n', start), head.size() - 1) + 1;
    const std::string_view line = head.substr(start, end - start);
    const std::string_view name = line.substr(0, line.find(':'));
    const bool ignored =
        sameName(name, "Range") || sameName(name, "If-Range") || sameName(name, "Content-Type");
    if (start == 0 || !ignored) kept += line;
    start = end;
  }
  return kept;
}

}  // namespace bt::scored
