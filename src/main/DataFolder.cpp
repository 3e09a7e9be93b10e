#include "main/DataFolder.h"

#include "platform/UserFolders.h"
#include "platform/os/FileSystem.h"

namespace bt {

std::optional<std::string> chooseDataFolder(const std::string& given) {
  if (!given.empty()) {
    if (!os::makeFolders(given)) return std::nullopt;
    return given;
  }
  const std::string folder = os::folderOf(os::executablePath());
  if (!folder.empty() && os::isWritableFolder(folder)) return folder;
  const std::string user = platform::userDataFolder();
  os::makeFolders(user);  // when it fails, the files are skipped quietly later
  return user;
}

}  // namespace bt
