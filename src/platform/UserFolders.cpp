#include "platform/UserFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/os/Quote.h"
#include "platform/os/Warning.h"

namespace bt::platform {

namespace {

// Only absolute paths count; the XDG rules say to ignore relative ones.
std::string absoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value && value[0] == '/') return value;
  return "";
}

std::string homeFolder() {
  std::string home = absoluteVariable("HOME");
  if (!home.empty()) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/tmp";
}

std::string userFolder(const char* variable, const char* fallbackUnderHome) {
  std::string base = absoluteVariable(variable);
  if (base.empty()) base = homeFolder() + fallbackUnderHome;
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/brambletop";
}

// The runtime folder holds the single-instance lock: a folder others may
// write to (or one that is not the user's) could hold it in our place.
bool isPrivateFolder(const std::string& folder) {
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
         (info.st_mode & 0022) == 0;
}

}  // namespace

std::string userDataFolder() {
  return userFolder("XDG_DATA_HOME", "/.local/share");
}

std::string userConfigFolder() {
  return userFolder("XDG_CONFIG_HOME", "/.config");
}

std::string userRuntimeFolder() {
  const std::string fallback = "/tmp/brambletop-" + std::to_string(getuid());
  const std::string runtime = absoluteVariable("XDG_RUNTIME_DIR");
  if (runtime.empty()) return fallback;
  if (isPrivateFolder(runtime)) return runtime;
  warn("XDG_RUNTIME_DIR " + quote(runtime) +
       " is not a folder of this user's alone; the single-instance lock is kept in " +
       quote(fallback) + " instead");
  return fallback;
}

}  // namespace bt::platform
