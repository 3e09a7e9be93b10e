#include "storage/Paths.h"

#include "platform/os/FileSystem.h"

namespace bt {
namespace {

std::string withTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
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

std::string executableFolder() {
  const std::string folder = os::folderOf(os::executablePath());
  return folder.empty() ? std::string("./") : folder;
}

Folders::Folders() : Folders(executableFolder(), "") {}

Folders::Folders(std::string art, std::string data)
    : art_(art.empty() ? executableFolder() : withTrailingSlash(std::move(art))),
      data_(data.empty() ? art_ : withTrailingSlash(std::move(data))) {}

std::string Folders::makePath(std::string_view name) const {
  return joinName(art_, name);
}

std::string Folders::makeDataPath(std::string_view name) const {
  return joinName(data_, name);
}

uint32_t fileSizeProbe(const std::string& path) {
  return os::probeFileSize(path);
}

}  // namespace bt
