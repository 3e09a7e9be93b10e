#include "main/DataFolder.h"

#include "platform/UserFolders.h"
#include "platform/os/FileSystem.h"

namespace bt {

std::optional<std::string> chooseDataFolder(const std::string& given) {
  if (!given.empty()) {
    if (!os::makeFolders(given)) return std::nullopt;
    return given;
  }
  const std::string executable = os::executablePath();
  const size_t slash = executable.find_last_of('/');
  if (slash != std::string::npos) {
    const std::string folder = executable.substr(0, slash + 1);
    if (os::isWritableFolder(folder)) return folder;
  }
  const std::string user = platform::userDataFolder();
  os::makeFolders(user);  // when it fails, the files are skipped quietly later
  return user;
}

}  // namespace bt
