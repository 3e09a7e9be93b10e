#include "pack/Manifest.h"

#include <charconv>
#include <sstream>

#include "pack/ToolError.h"
#include "pack/ToolFiles.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"

namespace bt::pack {
namespace {

constexpr const char* kLineForms =
    "expected FILE [offsetX offsetY anchorX anchorY transparent] or "
    "blank WIDTH HEIGHT [offsetX offsetY anchorX anchorY transparent]";

struct Word {
  std::string text;
  bool quoted = false;
};

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::vector<Word> splitWords(const std::string& line, const std::string& where) {
  std::vector<Word> words;
  size_t i = 0;
  while (i < line.size()) {
    if (isSpace(line[i])) {
      ++i;
    } else if (line[i] == '#') {
      break;
    } else if (line[i] == '"') {
      size_t close = line.find('"', i + 1);
      if (close == std::string::npos) throw ToolError(where, "unclosed quote");
      words.push_back({line.substr(i + 1, close - i - 1), true});
      i = close + 1;
    } else {
      size_t end = i;
      while (end < line.size() && !isSpace(line[end])) ++end;
      words.push_back({line.substr(i, end - i), false});
      i = end;
    }
  }
  return words;
}

int parseNumber(const Word& word, const char* field, int low, int high, const std::string& where) {
  int value = 0;
  const char* end = word.text.data() + word.text.size();
  auto [stop, fault] = std::from_chars(word.text.data(), end, value);
  if (word.quoted || fault != std::errc() || stop != end || value < low || value > high) {
    throw ToolError(where, std::string(field) + " must be a whole number from " +
                               std::to_string(low) + " to " + std::to_string(high) + ", not " +
                               quote(word.text));
  }
  return value;
}

// Reads the five optional placement numbers starting at words[first].
void parsePlacement(const std::vector<Word>& words, size_t first, ManifestEntry& entry,
                    const std::string& where) {
  if (words.size() == first) return;
  entry.offsetX = static_cast<int8_t>(parseNumber(words[first], "offsetX", -128, 127, where));
  entry.offsetY = static_cast<int8_t>(parseNumber(words[first + 1], "offsetY", -128, 127, where));
  entry.anchorX = static_cast<uint8_t>(parseNumber(words[first + 2], "anchorX", 0, 255, where));
  entry.anchorY = static_cast<uint8_t>(parseNumber(words[first + 3], "anchorY", 0, 255, where));
  entry.transparent =
      static_cast<uint8_t>(parseNumber(words[first + 4], "transparent", 0, 255, where));
}

ManifestEntry parseLine(const std::vector<Word>& words, const std::string& folder,
                        const std::string& where) {
  ManifestEntry entry;
  bool blank = !words[0].quoted && words[0].text == "blank";
  size_t first = blank ? 3 : 1;
  if (words.size() != first && words.size() != first + 5) throw ToolError(where, kLineForms);
  if (blank) {
    entry.blankWidth = parseNumber(words[1], "WIDTH", 0, 255, where);
    entry.blankHeight = parseNumber(words[2], "HEIGHT", 0, 255, where);
  } else {
    if (words[0].text.empty()) throw ToolError(where, "empty file name");
    const std::string& name = words[0].text;
    entry.file = name[0] == '/' ? name : folder + name;
  }
  parsePlacement(words, first, entry, where);
  return entry;
}

bool needsQuotes(const std::string& name) {
  if (name == "blank" || name.empty() || name[0] == '#') return true;
  for (char c : name) {
    if (isSpace(c)) return true;
  }
  return false;
}

}  // namespace

std::vector<ManifestEntry> parseManifest(const std::string& text, const std::string& manifestPath) {
  std::vector<ManifestEntry> entries;
  std::string folder = os::folderOf(manifestPath);
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::string where = manifestPath + ":" + std::to_string(number);
    // A NUL would open a file of a shorter name than the line shows.
    if (line.find('\0') != std::string::npos) throw ToolError(where, "the line holds a NUL byte");
    std::vector<Word> words = splitWords(line, where);
    if (words.empty()) continue;
    entries.push_back(parseLine(words, folder, where));
    entries.back().line = number;
  }
  return entries;
}

std::string manifestLine(const ManifestEntry& entry) {
  std::ostringstream line;
  if (entry.file.empty()) {
    line << "blank " << entry.blankWidth << ' ' << entry.blankHeight;
  } else if (needsQuotes(entry.file)) {
    line << '"' << entry.file << '"';
  } else {
    line << entry.file;
  }
  line << ' ' << int{entry.offsetX} << ' ' << int{entry.offsetY} << ' ' << int{entry.anchorX} << ' '
       << int{entry.anchorY} << ' ' << int{entry.transparent};
  return line.str();
}

}  // namespace bt::pack
