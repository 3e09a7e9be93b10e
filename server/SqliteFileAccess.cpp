#include "SqliteFileAccess.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace bt::scored {
namespace {

std::string thisUser() {
  const uid_t uid = ::geteuid();
  const passwd* entry = ::getpwuid(uid);
  return "user " + (entry ? std::string(entry->pw_name) : std::to_string(uid));
}

// Why the user may not read and write `path`, or empty.
std::string cannotWrite(const std::string& path) {
  if (::access(path.c_str(), R_OK | W_OK) == 0) return {};
  return std::strerror(errno);
}

}  // namespace

std::string sqliteAccessProblem(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const std::string folder = parent.empty() ? std::string(".") : parent.string();
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) {
    const std::string why = errno == ENOENT ? "does not exist" : std::strerror(errno);
    return "its folder " + folder + " " + why;
  }
  if (!S_ISDIR(status.st_mode)) return folder + " is not a folder";
  const bool exists = ::stat(path.c_str(), &status) == 0;
  if (!exists && errno != ENOENT) {
    return thisUser() + " may not reach it (" + std::strerror(errno) + ")";
  }
  if (exists && S_ISDIR(status.st_mode)) return "it is a folder";
  if (exists) {
    if (const std::string why = cannotWrite(path); !why.empty()) {
      return thisUser() + " may not write it (" + why + ")";
    }
  }
  // SQLite makes the file, and its write-ahead log beside it.
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    const std::string why = std::strerror(errno);
    const std::string name = std::filesystem::path(path).filename().string();
    return thisUser() + " may not make files in " + folder +
           (exists ? ", where its write-ahead log " + name + "-wal goes" : std::string()) + " (" +
           why + ")";
  }
  for (const char* suffix : {"-wal", "-journal"}) {
    const std::string beside = path + suffix;
    if (::access(beside.c_str(), F_OK) != 0) continue;
    if (const std::string why = cannotWrite(beside); !why.empty()) {
      return thisUser() + " may not write " + beside + " (" + why + ")";
    }
  }
  return {};
}

}  // namespace bt::scored
