#include "EntityTag.h"

#include <cstdio>

namespace bt::scored {
namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t';
}

std::string_view skipSpace(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view withoutWeakness(std::string_view tag) {
  if (tag.starts_with("W/")) tag.remove_prefix(2);
  return tag;
}

// The quoted tag at the front of `text` (with its quotes, without W/), taken
// off it; empty when there is none. Inside the quotes any visible byte but
// a quote, and any byte from 0x80.
std::string_view takeTag(std::string_view& text) {
  const size_t open = text.starts_with("W/\"") ? 2 : 0;
  if (text.size() <= open || text[open] != '"') return {};
  for (size_t i = open + 1; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"') {
      const std::string_view tag = text.substr(open, i + 1 - open);
      text.remove_prefix(i + 1);
      return tag;
    }
    if (c <= 0x20 || c == 0x7F) return {};
  }
  return {};
}

}  // namespace

std::string entityTag(uint64_t size, int64_t modified, bool gzip) {
  char text[64];
  std::snprintf(text, sizeof text, "\"%llx-%llx%s\"", static_cast<unsigned long long>(size),
                static_cast<unsigned long long>(modified), gzip ? "-gz" : "");
  return text;
}

bool namesEntityTag(std::string_view ifNoneMatch, std::string_view tag) {
  std::string_view rest = skipSpace(ifNoneMatch);
  while (!rest.empty() && isSpace(rest.back())) rest.remove_suffix(1);
  if (rest == "*") return true;
  const std::string_view wanted = withoutWeakness(tag);
  bool named = false;
  // Elements may be empty: ", a ,, b".
  while (!rest.empty()) {
    if (rest.front() == ',') {
      rest = skipSpace(rest.substr(1));
      continue;
    }
    const std::string_view listed = takeTag(rest);
    if (listed.empty()) return false;
    named = named || listed == wanted;
    rest = skipSpace(rest);
    if (!rest.empty() && rest.front() != ',') return false;
  }
  return named;
}

}  // namespace bt::scored
