#pragma once
// A fresh folder for one test, removed with everything in it afterwards (even
// when a test took its permissions away). Its path has no '.', so a file
// without one in its own name has none in its path.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace bt::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("bt-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    allowAll(path_);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

  // Writes a file in place (tests set up what the program then replaces).
  void write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(file(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  void writeText(const std::string& name, const std::string& text) const {
    std::ofstream(file(name), std::ios::binary) << text;
  }
  // The file's bytes; empty when it cannot be read.
  std::vector<uint8_t> read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::string readText(const std::string& name) const {
    const std::vector<uint8_t> bytes = read(name);
    return std::string(bytes.begin(), bytes.end());
  }

  // Names of everything in the folder, sorted.
  std::vector<std::string> entries() const { return entriesOf(path_.string()); }
  static std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  // Gives every folder below back its owner's permissions, so that it can be
  // removed.
  static void allowAll(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::directory_iterator it(folder, ignored), end;
    for (; !ignored && it != end; it.increment(ignored)) {
      if (it->is_directory(ignored) && !it->is_symlink(ignored)) allowAll(it->path());
    }
  }

  std::filesystem::path path_;
};

}  // namespace bt::test
