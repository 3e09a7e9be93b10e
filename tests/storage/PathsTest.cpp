#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/os/FileSystem.h"
#include "storage/Paths.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

namespace fs = std::filesystem;

TEST(PathsTest, ResolvesAgainstTheExecutablesFolderByDefault) {
  std::string executable = os::executablePath();
  ASSERT_FALSE(executable.empty());
  std::string name = fs::path(executable).filename().string();
  const Folders folders;
  EXPECT_TRUE(fs::equivalent(folders.makePath(name), executable));
  EXPECT_EQ(folders.art().back(), '/');
  EXPECT_EQ(folders.data(), folders.art());
}

TEST(PathsTest, UsesTheGivenFoldersAndTurnsBackslashesIntoSlashes) {
  const Folders art("/opt/art", "");
  EXPECT_EQ(art.makePath("Game_Sprite\\font240x320.spr"), "/opt/art/Game_Sprite/font240x320.spr");
  EXPECT_EQ(art.makeDataPath("save.dat"), "/opt/art/save.dat");  // data follows art by default

  const Folders both("/opt/art", "/home/u/.local/share/brambletop/");
  EXPECT_EQ(both.makeDataPath("settings.dat"), "/home/u/.local/share/brambletop/settings.dat");
  EXPECT_EQ(both.makePath("Game_Sound\\close.wav"), "/opt/art/Game_Sound/close.wav");

  const Folders none("", "");
  EXPECT_EQ(fs::path(none.makePath("x")).parent_path(),
            fs::path(os::executablePath()).parent_path());
}

TEST(PathsTest, FileSizeProbeCreatesMissingFilesEmpty) {
  test::TempFolder folder;
  std::string missing = folder.file("save.dat");
  EXPECT_EQ(fileSizeProbe(missing), 0u);
  EXPECT_TRUE(fs::is_regular_file(missing));
  EXPECT_EQ(fs::file_size(missing), 0u);

  std::ofstream(missing) << "1234567";
  EXPECT_EQ(fileSizeProbe(missing), 7u);
  EXPECT_EQ(fileSizeProbe(folder.file("no-such-folder/save.dat")), 0u);
  EXPECT_EQ(fileSizeProbe(folder.path()), 0u);
}

TEST(FileSystemTest, ReadsWholeFilesUpToTheLimitAndMakesFolders) {
  test::TempFolder folder;
  std::string nested = folder.file("a/b/c");
  EXPECT_TRUE(os::makeFolders(nested));
  EXPECT_TRUE(os::isWritableFolder(nested));
  EXPECT_FALSE(os::isWritableFolder(folder.file("a/missing")));

  std::string path = nested + "/data.bin";
  ASSERT_TRUE(os::writeFileAtomically(path, std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(os::readFile(path), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(os::readFile(path, 4), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(os::readFile(path, 3), std::nullopt);
  EXPECT_EQ(os::readFile(nested), std::nullopt);
  EXPECT_EQ(os::readFile(folder.file("missing")), std::nullopt);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::owner_read, fs::perms::owner_read);
}

// A head read takes at most what is asked, whatever the file's length, so
// that a reader asking one byte past its format tells a longer file.
TEST(FileSystemTest, ReadsAFilesHeadAndMovesAFileAside) {
  test::TempFolder folder;
  const std::string path = folder.file("data.bin");
  ASSERT_TRUE(os::writeFileAtomically(path, std::vector<uint8_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(os::readFileHead(path, 3), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(os::readFileHead(path, 9), (std::vector<uint8_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(os::readFileHead(path, 0), std::vector<uint8_t>{});
  fs::resize_file(path, uintmax_t{1} << 30);  // a gigabyte of holes
  EXPECT_EQ(os::readFileHead(path, 6), (std::vector<uint8_t>{1, 2, 3, 4, 5, 0}));
  std::string whyNot;
  EXPECT_EQ(os::readFileHead(folder.path(), 6, &whyNot), std::nullopt);
  EXPECT_EQ(whyNot, "is a folder");
  EXPECT_EQ(os::readFileHead(folder.file("missing"), 6), std::nullopt);

  const std::string aside = folder.file("data.bin.damaged");
  ASSERT_TRUE(os::writeFileAtomically(path, std::vector<uint8_t>{7}));
  ASSERT_TRUE(os::writeFileAtomically(aside, std::vector<uint8_t>{8}));
  EXPECT_TRUE(os::moveFile(path, aside));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(os::readFile(aside), std::vector<uint8_t>{7}) << "an older one is replaced";
  EXPECT_FALSE(os::moveFile(path, aside, &whyNot));
  EXPECT_FALSE(whyNot.empty());
  EXPECT_EQ(os::readFile(aside), std::vector<uint8_t>{7});
}

}  // namespace
}  // namespace bt
