#include "storage/Paths.h"

#include "platform/os/FileSystem.h"

namespace bt {
namespace {

std::string withTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The folder of the running executable, looked up once.
const std::string& executableFolder() {
  static const std::string folder = [] {
    std::string path = os::executablePath();
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
  }();
  return folder;
}

// Overrides set from the command line; empty means the default.
std::string& artOverride() {
  static std::string folder;
  return folder;
}

std::string& dataOverride() {
  static std::string folder;
  return folder;
}

// Names inside the program use backslashes as separators.
std::string joinName(const std::string& folder, std::string_view name) {
  std::string path = folder;
  path.reserve(folder.size() + name.size());
  for (char c : name) path += c == '\\' ? '/' : c;
  return path;
}

}  // namespace

std::string makePath(std::string_view name) {
  return joinName(artFolder(), name);
}

std::string makeDataPath(std::string_view name) {
  return joinName(dataFolder(), name);
}

void setArtFolder(const std::string& folder) {
  artOverride() = folder.empty() ? std::string() : withTrailingSlash(folder);
}

void setDataFolder(const std::string& folder) {
  dataOverride() = folder.empty() ? std::string() : withTrailingSlash(folder);
}

std::string artFolder() {
  return artOverride().empty() ? executableFolder() : artOverride();
}

std::string dataFolder() {
  return dataOverride().empty() ? artFolder() : dataOverride();
}

uint32_t fileSizeProbe(const std::string& path) {
  return os::probeFileSize(path);
}

}  // namespace bt
