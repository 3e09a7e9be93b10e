#include "ScoredProcess.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Numbered.h"

namespace bt::scored::test {

ScoredProcess::ScoredProcess(std::vector<std::string> args, std::optional<RunAs> user) {
  bool hasListen = false;
  for (const std::string& a : args) hasListen = hasListen || a.starts_with("--listen");
  if (!hasListen) {
    args.push_back("--listen");
    args.push_back("127.0.0.1:0");
  }
  std::string program = BT_SCORED;
  std::vector<char*> argv;
  argv.push_back(program.data());
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipeFds[1], 2);
    if (user && (setgroups(0, nullptr) != 0 || setgid(user->gid) != 0 || setuid(user->uid) != 0)) {
      _exit(126);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  errorFd_ = pipeFds[0];
  reader_ = std::thread([this] {
    char buffer[4096];
    for (;;) {
      {
        std::unique_lock lock(mutex_);
        resumed_.wait(lock, [this] { return !paused_; });
      }
      const ssize_t got = read(errorFd_, buffer, sizeof buffer);
      if (got <= 0) break;
      std::lock_guard lock(mutex_);
      output_.append(buffer, static_cast<size_t>(got));
    }
  });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    {
      std::lock_guard lock(mutex_);
      const size_t at = output_.find("listening on ");
      const size_t comma = output_.find(',', at);
      if (at != std::string::npos && comma != std::string::npos) {
        const size_t colon = output_.rfind(':', comma);
        port_ = std::atoi(output_.substr(colon + 1, comma - colon - 1).c_str());
        return;
      }
    }
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      reaped_ = true;
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

ScoredProcess::~ScoredProcess() {
  if (pid_ > 0 && !reaped_) {
    kill(pid_, SIGTERM);
    if (wait(std::chrono::seconds(10)) == -1 && !reaped_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  resumeReading();
  if (reader_.joinable()) reader_.join();
  if (errorFd_ >= 0) close(errorFd_);
}

void ScoredProcess::signal(int number) const {
  if (pid_ > 0 && !reaped_) kill(pid_, number);
}

int ScoredProcess::wait(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!reaped_) {
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      reaped_ = true;
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  resumeReading();
  if (reader_.joinable()) reader_.join();
  return status_;
}

std::string ScoredProcess::errorOutput() const {
  std::lock_guard lock(mutex_);
  return output_;
}

void ScoredProcess::pauseReading() {
  std::lock_guard lock(mutex_);
  paused_ = true;
}

void ScoredProcess::resumeReading() {
  {
    std::lock_guard lock(mutex_);
    paused_ = false;
  }
  resumed_.notify_all();
}

long ScoredProcess::peakMemoryKiB() const {
  std::ifstream status(numbered("/proc/", pid_) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("VmHWM:")) return std::atol(line.c_str() + 6);
  }
  return 0;
}

TempDatabaseFile::TempDatabaseFile() {
  std::string pattern = (std::filesystem::temp_directory_path() / "bt-scored-XXXXXX").string();
  if (mkdtemp(pattern.data())) folder_ = pattern;
  path_ = folder_ + "/scores.db";
}

TempDatabaseFile::~TempDatabaseFile() {
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

}  // namespace bt::scored::test
