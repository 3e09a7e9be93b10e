#pragma once
// The per-user registry on the desktop: string values by key and name, kept
// in one small text file (one "key<TAB>name<TAB>value" line each, with
// backslash escapes) that is replaced atomically on every write.
#include <optional>
#include <string>
#include <string_view>

namespace bt::platform {

class FileRegistry {
 public:
  // The file's folder is created on the first write.
  explicit FileRegistry(std::string path) : path_(std::move(path)) {}

  std::optional<std::string> read(std::string_view key, std::string_view name) const;
  // Lines that cannot be read are kept as they are.
  bool write(std::string_view key, std::string_view name, std::string_view text);
  // Removes the value's line; true when it is gone afterwards.
  bool remove(std::string_view key, std::string_view name);

  const std::string& path() const { return path_; }

 private:
  // Rewrites the file with the value's line replaced by newLine ("" removes
  // it), keeping every other line; false when the file exists but cannot be
  // read, or cannot be written.
  bool replaceLine(std::string_view key, std::string_view name, const std::string& newLine);

  std::string path_;
};

}  // namespace bt::platform
