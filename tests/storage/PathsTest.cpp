#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "platform/os/FileSystem.h"
#include "storage/Paths.h"

namespace bt {
namespace {

namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    setArtFolder("");
    setDataFolder("");
  }
};

TEST_F(PathsTest, ResolvesAgainstTheExecutablesFolderByDefault) {
  std::string executable = os::executablePath();
  ASSERT_FALSE(executable.empty());
  std::string name = fs::path(executable).filename().string();
  EXPECT_TRUE(fs::equivalent(makePath(name), executable));
  EXPECT_EQ(artFolder().back(), '/');
  EXPECT_EQ(dataFolder(), artFolder());
}

TEST_F(PathsTest, UsesFolderOverridesAndTurnsBackslashesIntoSlashes) {
  setArtFolder("/opt/art");
  EXPECT_EQ(makePath("Game_Sprite\\font240x320.spr"), "/opt/art/Game_Sprite/font240x320.spr");
  EXPECT_EQ(makeDataPath("save.dat"), "/opt/art/save.dat");  // data follows art by default

  setDataFolder("/home/u/.local/share/brambletop/");
  EXPECT_EQ(makeDataPath("settings.dat"), "/home/u/.local/share/brambletop/settings.dat");
  EXPECT_EQ(makePath("Game_Sound\\close.wav"), "/opt/art/Game_Sound/close.wav");

  setArtFolder("");
  setDataFolder("");
  EXPECT_EQ(fs::path(makePath("x")).parent_path(), fs::path(os::executablePath()).parent_path());
}

TEST_F(PathsTest, FileSizeProbeCreatesMissingFilesEmpty) {
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

}  // namespace
}  // namespace bt
