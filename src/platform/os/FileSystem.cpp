#include "platform/os/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <limits>
#include <system_error>

namespace bt::os {
namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded (a failed close can
  // mean that buffered data never reached the disk).
  bool close() {
    int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

int openRetrying(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

bool writeAll(int fd, const uint8_t* bytes, size_t n) {
  while (n > 0) {
    ssize_t written = ::write(fd, bytes, n);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    n -= static_cast<size_t>(written);
  }
  return true;
}

std::string folderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Makes the rename durable; failure here does not undo the replacement.
void syncFolder(const std::string& folder) {
  FileDescriptor fd(openRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (fd.valid()) ::fsync(fd.get());
}

}  // namespace

std::optional<std::vector<uint8_t>> readFile(const std::string& path, size_t maxBytes) {
  // Non-blocking so that a FIFO at path cannot stall the caller.
  FileDescriptor fd(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
  if (!fd.valid()) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  if (static_cast<uint64_t>(info.st_size) > maxBytes) return std::nullopt;

  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  uint8_t chunk[16384];
  for (;;) {
    ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) break;
    // The size can change while reading (or be unknown, as for /proc files).
    if (bytes.size() + static_cast<size_t>(got) > maxBytes) return std::nullopt;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t n) {
  if (path.empty() || path.back() == '/') return false;
  std::string temporary = path + ".tmp-XXXXXX";
  FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (!fd.valid()) return false;

  // Keep the mode of the file being replaced; new files get rw-r--r--.
  struct stat existing {};
  mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;

  bool ok = ::fchmod(fd.get(), mode) == 0 && (n == 0 || writeAll(fd.get(), bytes, n)) &&
            ::fsync(fd.get()) == 0;
  ok = fd.close() && ok;
  ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolder(folderOf(path));
  return true;
}

uint32_t probeFileSize(const std::string& path) {
  // Opening for writing creates a missing file; non-blocking so that a FIFO
  // without a reader fails instead of waiting.
  FileDescriptor fd(openRetrying(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK, 0644));
  if (!fd.valid()) return 0;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || info.st_size < 0) return 0;
  constexpr auto kMax = std::numeric_limits<uint32_t>::max();
  return static_cast<uint64_t>(info.st_size) > kMax ? kMax : static_cast<uint32_t>(info.st_size);
}

std::string executablePath() {
  std::string buffer(256, '\0');
  for (;;) {
    ssize_t got = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (got < 0) return "";
    if (static_cast<size_t>(got) < buffer.size()) {
      buffer.resize(static_cast<size_t>(got));
      return buffer;
    }
    if (buffer.size() >= (1u << 16)) return "";
    buffer.resize(buffer.size() * 2);
  }
}

bool isWritableFolder(const std::string& folder) {
  if (folder.empty()) return false;
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  // Creating a file is the only reliable test (read-only mounts, ACLs, root).
  std::string probe = folder;
  if (probe.back() != '/') probe += '/';
  probe += ".write-probe-XXXXXX";
  int fd = ::mkostemp(probe.data(), O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

bool makeFolders(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error);
}

}  // namespace bt::os
