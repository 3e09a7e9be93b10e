#include "ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace bt::scored {

std::shared_ptr<ReadOnlyFile> ReadOnlyFile::open(const std::filesystem::path& path) {
  // O_NONBLOCK: opening a named pipe would otherwise wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  const int64_t modified =
      static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
  return std::shared_ptr<ReadOnlyFile>(
      new ReadOnlyFile(fd, static_cast<uint64_t>(status.st_size), modified));
}

ReadOnlyFile::~ReadOnlyFile() {
  ::close(fd_);
}

int64_t ReadOnlyFile::readAt(uint64_t offset, char* out, size_t count) const {
  ssize_t got;
  do {
    got = ::pread(fd_, out, count, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  return got;
}

}  // namespace bt::scored
