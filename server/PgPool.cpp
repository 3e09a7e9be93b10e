#include "PgPool.h"

#include <algorithm>

namespace bt::scored {

PgPool::PgPool(const std::string& url, std::chrono::milliseconds timeout, const StopNotice& stop,
               size_t count)
    : timeout_(timeout), stop_(stop) {
  for (size_t i = 0; i < count; ++i) {
    idle_.push_back(std::make_unique<PgConnection>(url, timeout, stop));
  }
}

PgResult PgPool::run(const char* statement, const std::vector<std::string>& parameters) {
  const Clock::time_point deadline = Clock::now() + timeout_;
  std::unique_ptr<PgConnection> connection = take(deadline);
  try {
    PgResult result = connection->run(statement, parameters, deadline);
    giveBack(std::move(connection));
    return result;
  } catch (...) {
    giveBack(std::move(connection));
    throw;
  }
}

void PgPool::wakeWaiting() {
  std::lock_guard lock(mutex_);
  returned_.notify_all();
}

std::unique_ptr<PgConnection> PgPool::take(Clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  while (idle_.empty()) {
    const Clock::time_point limit = std::min(deadline, stop_.deadline());
    if (returned_.wait_until(lock, limit) == std::cv_status::timeout && idle_.empty()) {
      throw StoreError(limit < deadline ? "the server is stopping"
                                        : "no connection to PostgreSQL came free in time");
    }
  }
  std::unique_ptr<PgConnection> connection = std::move(idle_.back());
  idle_.pop_back();
  return connection;
}

void PgPool::giveBack(std::unique_ptr<PgConnection> connection) {
  {
    std::lock_guard lock(mutex_);
    idle_.push_back(std::move(connection));
  }
  returned_.notify_one();
}

}  // namespace bt::scored
