#include "OwnPostgres.h"

#include <signal.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace bt::scored::test {
namespace {

std::string firstLineOf(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

int runScript(const std::string& action, const std::string& state, const std::string& log) {
  const std::string command =
      "bash '" BT_POSTGRES_SCRIPT "' " + action + " '" + state + "' >'" + log + "' 2>&1";
  return std::system(command.c_str());
}

}  // namespace

OwnPostgres::OwnPostgres() {
  std::string pattern = (std::filesystem::temp_directory_path() / "bt-own-pg-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    whyNot_ = "no temporary folder";
    return;
  }
  state_ = pattern;
  const std::string log = state_ + "/start.log";
  if (runScript("start", state_ + "/server", log) != 0) {
    std::ifstream in(log);
    whyNot_ = "PostgreSQL did not start: " +
              std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return;
  }
  tcpUrl_ = firstLineOf(state_ + "/server/url");
  folder_ = firstLineOf(state_ + "/server/folder");
  postmaster_ = std::atoi(firstLineOf(folder_ + "/data/postmaster.pid").c_str());
  if (tcpUrl_.empty() || postmaster_ <= 0) whyNot_ = "PostgreSQL started without its URL or pid";
}

OwnPostgres::~OwnPostgres() {
  thaw();
  if (state_.empty()) return;
  runScript("stop", state_ + "/server", state_ + "/stop.log");
  std::error_code ignored;
  std::filesystem::remove_all(state_, ignored);
}

std::string OwnPostgres::socketUrl() const {
  // postgresql://postgres@127.0.0.1:PORT/postgres
  const size_t colon = tcpUrl_.rfind(':');
  const size_t slash = tcpUrl_.rfind('/');
  const std::string port = tcpUrl_.substr(colon + 1, slash - colon - 1);
  return "postgresql://postgres@/postgres?host=" + folder_ + "&port=" + port;
}

void OwnPostgres::freeze() {
  if (postmaster_ <= 0) return;
  // The postmaster first, so that it starts no process after the list.
  if (::kill(postmaster_, SIGSTOP) == 0) frozen_.push_back(postmaster_);
  for (pid_t child : childrenOf(postmaster_)) {
    if (::kill(child, SIGSTOP) == 0) frozen_.push_back(child);
  }
}

void OwnPostgres::thaw() {
  for (pid_t pid : frozen_) ::kill(pid, SIGCONT);
  frozen_.clear();
}

std::vector<pid_t> OwnPostgres::childrenOf(pid_t parent) const {
  std::vector<pid_t> children;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    // "PID (COMMAND) STATE PPID ...", where COMMAND may hold anything.
    const std::string stat = firstLineOf(entry.path().string() + "/stat");
    const size_t end = stat.rfind(')');
    if (end == std::string::npos) continue;
    std::istringstream rest(stat.substr(end + 1));
    std::string state;
    pid_t ppid = 0;
    rest >> state >> ppid;
    if (ppid == parent) children.push_back(std::atoi(name.c_str()));
  }
  return children;
}

}  // namespace bt::scored::test
