// The player's files as the Application writes them: a failed save is one
// warning line and one report to the platform (which tells the player), and
// a score table that could not be read at start is never written over.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/ShellFixture.h"
#include "support/CapturedStderr.h"

namespace bt::test {
namespace {

namespace fs = std::filesystem;

size_t linesWith(const std::string& text, const std::string& word) {
  size_t count = 0;
  for (size_t at = text.find(word); at != std::string::npos;
       at = text.find(word, text.find('\n', at))) {
    ++count;
  }
  return count;
}

TEST_F(ShellTest, AFailedSaveIsSaidOnceAndReportedToThePlatform) {
  fs::create_directory(folder_.file("save.dat"));
  start();
  CapturedStderr errors;
  EXPECT_FALSE(app_->writeDataFile("save.dat", "the game", {1, 2, 3}));
  EXPECT_TRUE(app_->writeDataFile("other.dat", "the other", {4, 5}));
  const std::string said = errors.take();
  EXPECT_EQ(
      linesWith(said, "cannot save the game to '" + folder_.file("save.dat") + "': is a folder"),
      1u)
      << said;
  EXPECT_EQ(linesWith(said, "brambletop:"), 1u) << said;
  ASSERT_EQ(platform_.saveFailures().size(), 1u);
  EXPECT_NE(platform_.saveFailures()[0].find("could not save the game to '" +
                                             folder_.file("save.dat") + "': is a folder."),
            std::string::npos)
      << platform_.saveFailures()[0];
  EXPECT_TRUE(fs::is_directory(folder_.file("save.dat")));
  EXPECT_EQ(folder_.read("other.dat"), (std::vector<uint8_t>{4, 5}));
}

// As the settings are: the default table for the run, one warning, and the
// file never written over (that is no failed save: nothing is reported).
TEST_F(ShellTest, AnUnreadableScoreTableIsUsedAsTheDefaultsAndLeftAlone) {
  struct Case {
    const char* what;
    std::function<void(TempFolder&)> set;
  };
  const Case cases[] = {
      {"a folder", [](TempFolder& f) { fs::create_directory(f.file("highscores.dat")); }},
      {"a FIFO",
       [](TempFolder& f) { ASSERT_EQ(::mkfifo(f.file("highscores.dat").c_str(), 0600), 0); }},
      {"no permission to read",
       [](TempFolder& f) {
         f.write("highscores.dat", std::vector<uint8_t>(216, 'B'));
         fs::permissions(f.file("highscores.dat"), fs::perms::owner_write);
       }},
  };
  std::string notTried;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string(c.what) == "no permission to read" && ::geteuid() == 0) {
      notTried = c.what;
      continue;
    }
    TempFolder data;
    c.set(data);
    const fs::file_type kind = fs::symlink_status(data.file("highscores.dat")).type();
    folders_ = Folders(folder_.path(), data.path());
    CapturedStderr errors;
    start();
    EXPECT_STREQ(app_->scores().entries[0].name.data(), "AAAAAAAAAAAAAAA");
    app_->scores().entries[0].score = 5;
    EXPECT_FALSE(app_->writeScores());
    app_.reset();
    const std::string said = errors.take();
    EXPECT_EQ(linesWith(said, "highscores.dat'"), 1u) << said;
    EXPECT_EQ(linesWith(said, "cannot read '" + data.file("highscores.dat")), 1u) << said;
    EXPECT_TRUE(platform_.saveFailures().empty());
    EXPECT_EQ(fs::symlink_status(data.file("highscores.dat")).type(), kind);
    if (kind == fs::file_type::regular) {
      fs::permissions(data.file("highscores.dat"), fs::perms::owner_read, fs::perm_options::add);
      EXPECT_EQ(data.read("highscores.dat"), std::vector<uint8_t>(216, 'B'));
    }
  }
  if (!notTried.empty())
    GTEST_SKIP() << "run as root, which reads every file: '" << notTried << "' not tried";
}

}  // namespace
}  // namespace bt::test
