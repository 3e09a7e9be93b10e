#include "main/DataFolder.h"

#include <filesystem>

#include "platform/UserFolders.h"
#include "platform/os/FileSystem.h"
#include "storage/Paths.h"

namespace bt {

namespace {

bool holdsArt(const std::string& folder) {
  std::error_code error;
  return std::filesystem::is_directory(Folders(folder, folder).makePath("Game_Sprite"), error);
}

// share/brambletop beside the executable's folder, as the package lays it out.
std::string installedArtFolder() {
  const std::string beside = executableFolder();
  return std::filesystem::path(Folders(beside, beside).makePath("../share/brambletop"))
      .lexically_normal()
      .string();
}

bool isInstalled() {
  return !holdsArt(executableFolder()) && holdsArt(installedArtFolder());
}

}  // namespace

std::string chooseArtFolder(const std::string& given) {
  if (!given.empty()) return given;
  return isInstalled() ? installedArtFolder() : executableFolder();
}

std::optional<std::string> chooseDataFolder(const std::string& given) {
  if (!given.empty()) {
    if (!os::makeFolders(given)) return std::nullopt;
    return given;
  }
  const std::string folder = os::folderOf(os::executablePath());
  if (!folder.empty() && !isInstalled() && os::isWritableFolder(folder)) return folder;
  const std::string user = platform::userDataFolder();
  os::makeFolders(user);  // when it fails, the files are skipped quietly later
  return user;
}

}  // namespace bt
