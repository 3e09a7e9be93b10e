#include "SignalWatcher.h"

#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace bt::scored {

SignalWatcher::SignalWatcher() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  signalFd_ = signalfd(-1, &set, SFD_CLOEXEC);
  wakeFd_ = eventfd(0, EFD_CLOEXEC);
}

SignalWatcher::~SignalWatcher() {
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t written = ::write(wakeFd_, &one, sizeof one);
  if (thread_.joinable()) thread_.join();
  ::close(signalFd_);
  ::close(wakeFd_);
}

void SignalWatcher::start(std::function<void()> onSignal) {
  thread_ = std::thread([this, onSignal = std::move(onSignal)] {
    pollfd p[2] = {{signalFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    int ready;
    do {
      ready = ::poll(p, 2, -1);
    } while (ready < 0 && errno == EINTR);
    if (ready > 0 && (p[0].revents & POLLIN)) onSignal();
  });
}

}  // namespace bt::scored
