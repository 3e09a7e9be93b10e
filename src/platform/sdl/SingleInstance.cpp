#include "platform/sdl/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/os/Quote.h"
#include "platform/os/Warning.h"

namespace bt::platform {

namespace {

constexpr std::string_view kRaiseLine = "raise\n";
constexpr std::string_view kOpenPrefix = "open ";

bool canOpen(std::string_view text) {
  if (text.empty() || text.size() > SingleInstance::kMostOpenText) return false;
  for (char c : text) {
    const bool letterOrDigit =
        (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letterOrDigit && c != '-') return false;
  }
  return true;
}

// What a request asks to open: "" to raise only, nullopt for no request.
std::optional<std::string> readRequest(std::string_view request) {
  if (request.substr(0, kRaiseLine.size()) != kRaiseLine) return std::nullopt;
  request.remove_prefix(kRaiseLine.size());
  if (request.substr(0, kOpenPrefix.size()) != kOpenPrefix) return std::string();
  request.remove_prefix(kOpenPrefix.size());
  const size_t end = request.find('\n');
  if (end == std::string_view::npos || !canOpen(request.substr(0, end))) return std::string();
  return std::string(request.substr(0, end));
}

bool socketAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

SingleInstance::~SingleInstance() {
  if (listener_.joinable()) {
    const char wake = 1;
    [[maybe_unused]] auto written = ::write(wakePipe_[1], &wake, 1);
    listener_.join();
  }
  for (int fd : {wakePipe_[0], wakePipe_[1], listenFd_}) {
    if (fd >= 0) ::close(fd);
  }
  if (listenFd_ >= 0) ::unlink((folder_ + "/brambletop.sock").c_str());
  if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
}

// The fallback folder under /tmp must be ours alone, or another user could
// hold the lock in our place.
bool SingleInstance::prepareFolder() {
  if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat info {};
  if (::lstat(folder_.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0022) == 0;
}

bool SingleInstance::raiseRunning(std::string_view openText, RequestHandler onRequest) {
  if (lockFd_ >= 0) return false;
  // Without a usable folder there is no way to find another instance; run.
  if (!prepareFolder()) {
    warn("the folder " + quote(folder_) +
         " cannot hold the single-instance lock; a second copy would not be noticed");
    return false;
  }
  const std::string lockPath = folder_ + "/brambletop.lock";
  lockFd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (lockFd_ < 0) return false;
  if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
    ::close(lockFd_);
    lockFd_ = -1;
    if (errno != EWOULDBLOCK) return false;
    askRunningToRaise(openText);
    return true;
  }
  onRequest_ = std::move(onRequest);
  startListening();
  return false;
}

void SingleInstance::askRunningToRaise(std::string_view openText) {
  sockaddr_un address;
  if (!socketAddress(folder_ + "/brambletop.sock", address)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  std::string request(kRaiseLine);
  if (canOpen(openText)) request += std::string(kOpenPrefix) + std::string(openText) + "\n";
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    [[maybe_unused]] auto written = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
  }
  ::close(fd);
}

void SingleInstance::startListening() {
  const std::string socketPath = folder_ + "/brambletop.sock";
  sockaddr_un address;
  if (!socketAddress(socketPath, address)) return;
  ::unlink(socketPath.c_str());  // left by an instance that crashed; we hold the lock
  listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0) return;
  if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listenFd_, 4) != 0 || ::pipe2(wakePipe_, O_CLOEXEC) != 0) {
    ::close(listenFd_);
    listenFd_ = -1;
    return;
  }
  listener_ = std::thread([this] { listen(); });
}

void SingleInstance::listen() {
  for (;;) {
    pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents != 0) return;
    if ((fds[0].revents & POLLIN) == 0) continue;
    const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    // A caller that connects and says nothing is given up on after a second;
    // its request is read until it closes or the buffer is full.
    char request[kRaiseLine.size() + kOpenPrefix.size() + kMostOpenText + 2] = {};
    size_t got = 0;
    pollfd readable{client, POLLIN, 0};
    while (got<sizeof request&& ::poll(&readable, 1, 1000)> 0) {
      const ssize_t n = ::recv(client, request + got, sizeof request - got, 0);
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    if (const auto openText = readRequest(std::string_view(request, got)); openText && onRequest_) {
      onRequest_(*openText);
    }
    ::close(client);
  }
}

}  // namespace bt::platform
