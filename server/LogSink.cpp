#include "LogSink.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace bt::scored {

LogSink::LogSink(int fd) : fd_(fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return;
  if (S_ISSOCK(status.st_mode)) {
    kind_ = Kind::Socket;
  } else if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
    // O_NONBLOCK on the descriptor itself would change it for every process
    // that shares it (the shell's terminal); a pipe or terminal opened anew
    // through /proc has a flag of its own.
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    nonBlockingFd_ = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    kind_ = nonBlockingFd_ >= 0 ? Kind::NonBlocking : Kind::Polled;
  }
  // A regular file takes a line or fails at once.
}

LogSink::~LogSink() {
  if (nonBlockingFd_ >= 0) ::close(nonBlockingFd_);
}

LogSink& LogSink::standardError() {
  static LogSink sink(STDERR_FILENO);
  return sink;
}

void LogSink::writeLine(std::string_view line) {
  const uint64_t lost = dropped_.exchange(0);
  std::string text;
  if (lost > 0) {
    text = "brambletop-scored: " + std::to_string(lost) +
           " log lines dropped: standard error was not taking them\n";
  }
  if (line.size() > kMaxLineBytes) {
    text += line.substr(0, kMaxLineBytes - 4);
    text += "...\n";
  } else {
    text += line;
  }
  if (!tryWrite(text)) dropped_ += lost + 1;
}

bool LogSink::tryWrite(std::string_view text) {
  ssize_t written = -1;
  do {
    switch (kind_) {
      case Kind::Socket:
        written = ::send(fd_, text.data(), text.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        break;
      case Kind::NonBlocking:
        written = ::write(nonBlockingFd_, text.data(), text.size());
        break;
      case Kind::Polled: {
        // Another writer may fill the pipe between the two calls; rare, and
        // only where /proc could not reopen it.
        pollfd ready{fd_, POLLOUT, 0};
        if (::poll(&ready, 1, 0) != 1 || !(ready.revents & POLLOUT)) return false;
        written = ::write(fd_, text.data(), text.size());
        break;
      }
      case Kind::Plain:
        written = ::write(fd_, text.data(), text.size());
        break;
    }
  } while (written < 0 && errno == EINTR);
  // Lines this short go whole or not at all into a pipe or a socket.
  return written > 0;
}

}  // namespace bt::scored
