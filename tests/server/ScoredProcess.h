#pragma once
// A real brambletop-scored for a test: started on a free loopback port,
// its standard error collected, stopped (SIGTERM, then SIGKILL) at the end.
#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace bt::scored::test {

// Another user for the server to run as (a test run as root, where file
// permissions would not stop the server).
struct RunAs {
  uid_t uid;
  gid_t gid;
};

class ScoredProcess {
 public:
  // Starts the server with `args` plus --listen 127.0.0.1:0 unless a
  // --listen is given, and waits until it listens. Without a listening
  // line within 20 s (it exited, say) port() is 0.
  explicit ScoredProcess(std::vector<std::string> args, std::optional<RunAs> user = std::nullopt);
  ~ScoredProcess();
  ScoredProcess(const ScoredProcess&) = delete;
  ScoredProcess& operator=(const ScoredProcess&) = delete;

  int port() const { return port_; }
  pid_t pid() const { return pid_; }
  void signal(int number) const;
  // Waits for the end (up to `limit`) and gives the exit status, or -1 when
  // it is still running or died by a signal.
  int wait(std::chrono::milliseconds limit = std::chrono::seconds(20));
  // Everything the server wrote to standard error so far.
  std::string errorOutput() const;
  // Stops reading the server's standard error, so that the pipe fills and
  // stays full, and reads it again. A wait() reads it again.
  void pauseReading();
  void resumeReading();
  // Peak resident memory in KiB (VmHWM), 0 when unknown.
  long peakMemoryKiB() const;

 private:
  pid_t pid_ = -1;
  int errorFd_ = -1;
  int port_ = 0;
  bool reaped_ = false;
  int status_ = -1;
  mutable std::mutex mutex_;
  std::string output_;
  bool paused_ = false;
  std::condition_variable resumed_;
  std::thread reader_;
};

// A test's own SQLite file in a fresh temporary folder, removed afterwards.
class TempDatabaseFile {
 public:
  TempDatabaseFile();
  ~TempDatabaseFile();
  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
};

}  // namespace bt::scored::test
