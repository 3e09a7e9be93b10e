#pragma once
// A PostgreSQL server of one test's own, apart from the fixture's that other
// tests share: started by postgres.sh in a state folder of its own, on a free
// port and a Unix socket. The test may freeze it (SIGSTOP on the postmaster
// and each of its processes) to play a database that stops answering, and
// thaw it. At the end it is thawed, stopped and removed.
#include <sys/types.h>

#include <string>
#include <vector>

namespace bt::scored::test {

class OwnPostgres {
 public:
  OwnPostgres();
  ~OwnPostgres();
  OwnPostgres(const OwnPostgres&) = delete;
  OwnPostgres& operator=(const OwnPostgres&) = delete;

  // Empty when it started; else why not (no PostgreSQL installed, say).
  const std::string& whyNotStarted() const { return whyNot_; }
  // The admin database over TCP and over the Unix socket.
  const std::string& tcpUrl() const { return tcpUrl_; }
  std::string socketUrl() const;

  void freeze();
  void thaw();

 private:
  std::vector<pid_t> childrenOf(pid_t parent) const;

  std::string state_;
  std::string folder_;  // the server's data and socket
  std::string tcpUrl_;
  std::string whyNot_;
  pid_t postmaster_ = -1;
  std::vector<pid_t> frozen_;
};

}  // namespace bt::scored::test
