#include "StopNotice.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace bt::scored {

StopNotice::StopNotice() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopNotice::~StopNotice() {
  if (fd_ >= 0) ::close(fd_);
}

void StopNotice::stopAfter(std::chrono::milliseconds grace) {
  Clock::rep unset = Clock::time_point::max().time_since_epoch().count();
  const Clock::rep at = (Clock::now() + grace).time_since_epoch().count();
  if (!deadline_.compare_exchange_strong(unset, at)) return;
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t written = ::write(fd_, &one, sizeof one);
}

}  // namespace bt::scored
