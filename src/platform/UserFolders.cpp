#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

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

}  // namespace

std::string userDataFolder() {
  return userFolder("XDG_DATA_HOME", "/.local/share");
}

std::string userConfigFolder() {
  return userFolder("XDG_CONFIG_HOME", "/.config");
}

std::string userRuntimeFolder() {
  std::string runtime = absoluteVariable("XDG_RUNTIME_DIR");
  if (!runtime.empty()) return runtime;
  return "/tmp/brambletop-" + std::to_string(getuid());
}

}  // namespace bt::platform
