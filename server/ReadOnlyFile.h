#pragma once
// A regular file open for reading at any offset, for an answer that streams
// it: closed when its last holder lets go. Opening refuses anything but a
// regular file (a folder, a pipe, a device) without waiting on it, and a
// symbolic link as the last part of the path.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace bt::scored {

class ReadOnlyFile {
 public:
  // Null when the file cannot be opened or is not a regular file.
  static std::shared_ptr<ReadOnlyFile> open(const std::filesystem::path& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // The size and the time of the last change, in nanoseconds since 1970,
  // when it was opened.
  uint64_t size() const { return size_; }
  int64_t modified() const { return modified_; }
  // Up to `count` bytes at `offset` into `out`: how many, 0 at the end of
  // the file, -1 on failure.
  int64_t readAt(uint64_t offset, char* out, size_t count) const;

 private:
  ReadOnlyFile(int fd, uint64_t size, int64_t modified)
      : fd_(fd), size_(size), modified_(modified) {}

  int fd_;
  uint64_t size_;
  int64_t modified_;
};

}  // namespace bt::scored
