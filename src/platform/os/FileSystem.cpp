#include "platform/os/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

namespace bt::os {
namespace {

FileWrittenListener fileWrittenListener = nullptr;

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

// Makes the rename durable; failure here does not undo the replacement.
void syncFolder(const std::string& folder) {
  FileDescriptor fd(openRetrying(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (fd.valid()) ::fsync(fd.get());
}

bool failWith(std::string* whyNot, std::string reason) {
  if (whyNot) *whyNot = std::move(reason);
  return false;
}

std::string errnoText() {
  return std::strerror(errno);
}

// Why something that is not a regular file is not read or replaced.
const char* notAFile(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder";
  if (S_ISFIFO(mode)) return "is a FIFO, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a file";
  return "is not a regular file";
}

// The path a chain of symbolic links at path ends at (path itself when it is
// no link); nullopt for a loop.
std::optional<std::string> followLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(4096, '\0');
    const ssize_t got = ::readlink(path.c_str(), target.data(), target.size());
    if (got <= 0 || static_cast<size_t>(got) >= target.size()) return path;
    target.resize(static_cast<size_t>(got));
    path = target.front() == '/' ? target : folderOf(path) + target;
  }
  errno = ELOOP;
  return std::nullopt;
}

// Devices, FIFOs and terminals are written as they stand; replacing them
// would destroy them. Opened without waiting, so that a FIFO without a reader
// fails instead of hanging.
bool writeThrough(const std::string& path, const uint8_t* bytes, size_t n, std::string* whyNot) {
  FileDescriptor fd(openRetrying(path.c_str(), O_WRONLY | O_NONBLOCK));
  if (!fd.valid()) return failWith(whyNot, errnoText());
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  if (!writeAll(fd.get(), bytes, n) || !fd.close()) return failWith(whyNot, errnoText());
  return true;
}

// Reads fd to its end; nullopt when a read fails or more than maxBytes come.
// expected: the size it likely has, room for which is made at once.
std::optional<std::vector<uint8_t>> readToEnd(int fd, size_t maxBytes, std::string* whyNot,
                                              size_t expected = 0) {
  std::vector<uint8_t> bytes;
  bytes.reserve(expected);
  uint8_t chunk[16384];
  for (;;) {
    ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      failWith(whyNot, errnoText());
      return std::nullopt;
    }
    if (got == 0) break;
    // The size can change while reading (or be unknown, as for /proc files).
    if (bytes.size() + static_cast<size_t>(got) > maxBytes) {
      failWith(whyNot, "larger than " + std::to_string(maxBytes) + " bytes");
      return std::nullopt;
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

}  // namespace

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

namespace {

// The size of the regular file open on fd; nullopt (and why not) when it
// was not opened or is no regular file.
std::optional<uint64_t> regularFileSize(const FileDescriptor& fd, std::string* whyNot) {
  if (!fd.valid()) {
    failWith(whyNot, errnoText());
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    failWith(whyNot, notAFile(info.st_mode));
    return std::nullopt;
  }
  return static_cast<uint64_t>(info.st_size);
}

}  // namespace

std::optional<std::vector<uint8_t>> readFile(const std::string& path, size_t maxBytes,
                                             std::string* whyNot) {
  // Non-blocking so that a FIFO at path cannot stall the caller.
  FileDescriptor fd(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
  const std::optional<uint64_t> size = regularFileSize(fd, whyNot);
  if (!size) return std::nullopt;
  if (*size > maxBytes) {
    failWith(whyNot, "larger than " + std::to_string(maxBytes) + " bytes");
    return std::nullopt;
  }
  return readToEnd(fd.get(), maxBytes, whyNot, static_cast<size_t>(*size));
}

std::optional<std::vector<uint8_t>> readFileHead(const std::string& path, size_t maxBytes,
                                                 std::string* whyNot) {
  FileDescriptor fd(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
  const std::optional<uint64_t> size = regularFileSize(fd, whyNot);
  if (!size) return std::nullopt;
  const size_t expected = *size < maxBytes ? static_cast<size_t>(*size) : maxBytes;
  std::vector<uint8_t> bytes(expected);
  size_t got = 0;
  // The size can change while reading: read until the end or the limit.
  while (got < maxBytes) {
    if (bytes.size() == got) bytes.resize(std::min(maxBytes, got + 16384));
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      failWith(whyNot, errnoText());
      return std::nullopt;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

std::optional<std::vector<uint8_t>> readStream(const std::string& path, size_t maxBytes,
                                               std::string& whyNot) {
  if (path == "-") return readToEnd(STDIN_FILENO, maxBytes, &whyNot);
  FileDescriptor fd(openRetrying(path.c_str(), O_RDONLY));
  if (!fd.valid()) {
    whyNot = errnoText();
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) == 0 && S_ISDIR(info.st_mode)) {
    whyNot = "is a folder";
    return std::nullopt;
  }
  return readToEnd(fd.get(), maxBytes, &whyNot);
}

bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t n,
                         std::string* whyNot, Replace replace) {
  if (path.empty()) return failWith(whyNot, "no file name");
  struct stat standing {};
  if (::stat(path.c_str(), &standing) == 0) {
    if (S_ISDIR(standing.st_mode)) return failWith(whyNot, "is a folder");
    if (!S_ISREG(standing.st_mode)) {
      if (replace == Replace::Anything) return writeThrough(path, bytes, n, whyNot);
      return failWith(whyNot, notAFile(standing.st_mode));
    }
    if (replace == Replace::ReadableFile) {
      FileDescriptor readable(openRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
      if (!readable.valid()) {
        return failWith(whyNot, "it cannot be read (" + errnoText() + ")");
      }
    }
  }
  if (path.back() == '/') return failWith(whyNot, "names a folder");
  const std::optional<std::string> target = followLinks(path);
  if (!target) return failWith(whyNot, errnoText());

  std::string temporary = *target + ".tmp-XXXXXX";
  FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (!fd.valid()) return failWith(whyNot, errnoText());

  // Keep the mode of the file being replaced; new files get rw-r--r--.
  struct stat existing {};
  mode_t mode = ::stat(target->c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;

  bool ok = ::fchmod(fd.get(), mode) == 0 && (n == 0 || writeAll(fd.get(), bytes, n)) &&
            ::fsync(fd.get()) == 0;
  ok = fd.close() && ok;
  ok = ok && ::rename(temporary.c_str(), target->c_str()) == 0;
  if (!ok) {
    const std::string reason = errnoText();
    ::unlink(temporary.c_str());
    return failWith(whyNot, reason);
  }
  syncFolder(folderOf(*target));
  if (fileWrittenListener) fileWrittenListener(*target);
  return true;
}

bool moveFile(const std::string& from, const std::string& to, std::string* whyNot) {
  if (::rename(from.c_str(), to.c_str()) != 0) return failWith(whyNot, errnoText());
  syncFolder(folderOf(to));
  if (folderOf(from) != folderOf(to)) syncFolder(folderOf(from));
  if (fileWrittenListener) fileWrittenListener(to);
  return true;
}

void setFileWrittenListener(FileWrittenListener listener) {
  fileWrittenListener = listener;
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
