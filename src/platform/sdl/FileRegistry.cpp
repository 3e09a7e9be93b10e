#include "platform/sdl/FileRegistry.h"

#include <vector>

#include "platform/os/FileSystem.h"

namespace bt::platform {

namespace {

constexpr size_t kMaxFileBytes = 1 << 20;

std::string escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Splits one line into its three unescaped fields; nullopt when it is not
// such a line.
std::optional<std::vector<std::string>> parseLine(std::string_view line) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      fields.emplace_back();
    } else if (c != '\\') {
      fields.back() += c;
    } else if (++i < line.size()) {
      const char e = line[i];
      fields.back() += e == 't' ? '\t' : e == 'n' ? '\n' : e == 'r' ? '\r' : e;
    } else {
      return std::nullopt;
    }
  }
  if (fields.size() != 3) return std::nullopt;
  return fields;
}

std::vector<std::string> splitLines(const std::vector<uint8_t>& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (uint8_t b : bytes) {
    if (b == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line += static_cast<char>(b);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

std::optional<std::string> FileRegistry::read(std::string_view key, std::string_view name) const {
  const auto bytes = os::readFile(path_, kMaxFileBytes);
  if (!bytes) return std::nullopt;
  for (const std::string& line : splitLines(*bytes)) {
    const auto fields = parseLine(line);
    if (fields && (*fields)[0] == key && (*fields)[1] == name) return (*fields)[2];
  }
  return std::nullopt;
}

bool FileRegistry::write(std::string_view key, std::string_view name, std::string_view text) {
  return replaceLine(key, name, escape(key) + '\t' + escape(name) + '\t' + escape(text) + '\n');
}

bool FileRegistry::remove(std::string_view key, std::string_view name) {
  if (!os::exists(path_) || !read(key, name)) return true;
  return replaceLine(key, name, "");
}

bool FileRegistry::replaceLine(std::string_view key, std::string_view name,
                               const std::string& newLine) {
  const auto bytes = os::readFile(path_, kMaxFileBytes);
  // A file that exists but cannot be read is left alone rather than lost.
  if (!bytes && os::exists(path_)) return false;
  std::string content;
  bool replaced = false;
  if (bytes) {
    for (const std::string& line : splitLines(*bytes)) {
      const auto fields = parseLine(line);
      if (fields && (*fields)[0] == key && (*fields)[1] == name) {
        if (!replaced) content += newLine;
        replaced = true;
      } else {
        content += line + '\n';
      }
    }
  }
  if (!replaced) content += newLine;
  const std::string folder = os::folderOf(path_);
  if (!folder.empty() && !os::makeFolders(folder)) return false;
  return os::writeFileAtomically(path_, reinterpret_cast<const uint8_t*>(content.data()),
                                 content.size());
}

}  // namespace bt::platform
