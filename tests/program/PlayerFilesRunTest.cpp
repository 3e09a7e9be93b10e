// Headless runs against a data folder that will not take the player's files:
// a failed save leaves the file there as it was, is named in one warning
// line and ends the run with status 1; a score table that cannot be read is
// named once and left alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace bt {
namespace {

namespace fs = std::filesystem;

// From the intro: a new game, level 1 solved with its shortest solution, the
// score table's new row named "A", back to the main menu, the end. Writes
// "save.dat", "highscores.dat" (on entering the table and on leaving it) and
// "settings.dat".
constexpr const char* kSolveLevelOne =
    "wait 60\npress Action\nwait 50\npress Action\nwait 50\n"
    "press Up\npress Up\npress Action\nwait 20\npress Left\npress Back\nwait 20\n"
    "press Left\npress Action\nwait 20\npress Left\npress Back\nwait 20\n"
    "press Left Menu\nwait 50\npress 2\nwait 40\npress Left Menu\nwait 50\nquit\n";

// From the intro: continue (a new game when there is none), back to the main
// menu, the score table and back, the end. Writes each of the three files
// once.
constexpr const char* kVisitEverything =
    "wait 60\npress Action\nwait 50\npress Down\npress Action\nwait 50\n"
    "press Left Menu\nwait 50\npress Right Menu\nwait 50\npress Left Menu\nwait 50\nquit\n";

// The same with a new game (no game in progress: the menu does not ask).
// Continue would read "save.dat" first, and one that cannot be read is then
// never written over.
constexpr const char* kVisitWithNewGame =
    "wait 60\npress Action\nwait 50\npress Action\nwait 50\n"
    "press Left Menu\nwait 50\npress Right Menu\nwait 50\npress Left Menu\nwait 50\nquit\n";

struct Outcome {
  int status = -1;
  std::string err;
};

class PlayerFilesRun : public ::testing::Test {
 public:
  PlayerFilesRun() {
    folder_.writeText("solve.txt", kSolveLevelOne);
    folder_.writeText("visit.txt", kVisitEverything);
    folder_.writeText("new.txt", kVisitWithNewGame);
    fs::create_directory(data());
  }

  std::string data() const { return folder_.file("data"); }
  std::string dataFile(const std::string& name) const { return data() + "/" + name; }

  // Runs the program on a script with the data folder, after prefix (shell
  // commands for the run's own limits). Its messages pass through a pipe, so
  // that a limit on file sizes does not keep them from their file.
  Outcome run(const std::string& script, const std::string& prefix = "") const {
    const std::string line = "cd '" + folder_.path() + "' && { ( " + prefix + " exec '" +
                             BT_PROGRAM + "' --headless --script " + script +
                             " --data-dir data ) 2>&1 >/dev/null; echo $? > status.txt; } | "
                             "cat > stderr.txt";
    EXPECT_EQ(std::system(line.c_str()), 0);
    return Outcome{std::atoi(folder_.readText("status.txt").c_str()),
                   folder_.readText("stderr.txt")};
  }

  std::vector<uint8_t> bytesOf(const std::string& name) const {
    return folder_.read("data/" + name);
  }

  test::TempFolder folder_;
};

// Lines of text holding both words.
size_t linesWith(const std::string& text, const std::string& first, const std::string& second) {
  size_t count = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    if (line.find(first) != std::string::npos && line.find(second) != std::string::npos) ++count;
    start = end + 1;
  }
  return count;
}

TEST_F(PlayerFilesRun, AFailedSaveKeepsTheFileSaysSoAndEndsTheRunWithStatusOne) {
  const char* const files[] = {"save.dat", "highscores.dat", "settings.dat"};
  struct Case {
    const char* what;
    std::function<void(const PlayerFilesRun&)> set;  // the data folder before the run
    std::string prefix;                              // the run's own limits
    std::vector<const char*> failing;                // the files whose save fails
    const char* script = "visit.txt";
  };
  auto goodFiles = [](const PlayerFilesRun& t) { ASSERT_EQ(t.run("solve.txt").status, 0); };
  const Case cases[] = {
      // No file may grow: every write fails as on a full disk (the signal
      // a process gets for it is ignored, as the write's error is what counts).
      {"a full disk", goodFiles, "trap '' XFSZ; ulimit -f 0;", {files[0], files[1], files[2]}},
      {"save.dat a link to /dev/full",
       [](const PlayerFilesRun& t) { fs::create_symlink("/dev/full", t.dataFile("save.dat")); },
       "",
       {files[0]},
       "new.txt"},
      {"save.dat a FIFO",
       [](const PlayerFilesRun& t) {
         ASSERT_EQ(::mkfifo(t.dataFile("save.dat").c_str(), 0600), 0);
       },
       "",
       {files[0]},
       "new.txt"},
      {"save.dat a folder",
       [](const PlayerFilesRun& t) { fs::create_directory(t.dataFile("save.dat")); },
       "",
       {files[0]},
       "new.txt"},
      {"a read-only folder",
       [&](const PlayerFilesRun& t) {
         goodFiles(t);
         fs::permissions(t.data(), fs::perms::owner_read | fs::perms::owner_exec);
       },
       "",
       {files[0], files[1], files[2]}},
  };
  std::string notTried;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string(c.what) == "a read-only folder" && ::geteuid() == 0) {
      notTried = c.what;
      continue;
    }
    fs::remove_all(data());
    fs::create_directory(data());
    c.set(*this);
    std::vector<std::vector<uint8_t>> before;
    std::vector<fs::file_type> kinds;
    for (const char* name : files) {
      kinds.push_back(fs::symlink_status(dataFile(name)).type());
      before.push_back(kinds.back() == fs::file_type::regular ? bytesOf(name)
                                                              : std::vector<uint8_t>{});
    }
    const std::vector<std::string> entries = test::TempFolder::entriesOf(data());

    const Outcome failed = run(c.script, c.prefix);
    EXPECT_EQ(failed.status, 1) << failed.err;
    for (size_t i = 0; i < std::size(files); ++i) {
      SCOPED_TRACE(files[i]);
      const bool fails = std::find(c.failing.begin(), c.failing.end(), files[i]) != c.failing.end();
      EXPECT_EQ(linesWith(failed.err, "cannot save", std::string(files[i]) + "'"), fails ? 1u : 0u)
          << failed.err;
      if (!fails) continue;
      EXPECT_EQ(fs::symlink_status(dataFile(files[i])).type(), kinds[i]);
      if (kinds[i] == fs::file_type::regular) {
        EXPECT_EQ(bytesOf(files[i]), before[i]);
      }
    }
    fs::permissions(data(), fs::perms::owner_all);
    if (c.failing.size() == std::size(files)) {
      EXPECT_EQ(test::TempFolder::entriesOf(data()), entries) << "nothing new, nothing left over";
    }
  }
  if (!notTried.empty())
    GTEST_SKIP() << "run as root, which writes in any folder: '" << notTried << "' not tried";
}

// A score table that cannot be read is used as the default table for the
// run, named in one warning line, and never written over: not even when the
// run earns a row in it.
TEST_F(PlayerFilesRun, AnUnreadableScoreTableIsNamedOnceAndLeftAlone) {
  struct Case {
    const char* what;
    std::function<void(const PlayerFilesRun&)> set;
    fs::file_type kind;
  };
  const Case cases[] = {
      {"a folder",
       [](const PlayerFilesRun& t) { fs::create_directory(t.dataFile("highscores.dat")); },
       fs::file_type::directory},
      {"a FIFO",
       [](const PlayerFilesRun& t) {
         ASSERT_EQ(::mkfifo(t.dataFile("highscores.dat").c_str(), 0600), 0);
       },
       fs::file_type::fifo},
      {"a link to a device",
       [](const PlayerFilesRun& t) {
         fs::create_symlink("/dev/zero", t.dataFile("highscores.dat"));
       },
       fs::file_type::symlink},
      {"a file without read permission",
       [](const PlayerFilesRun& t) {
         t.folder_.write("data/highscores.dat", std::vector<uint8_t>(216, 'B'));
         fs::permissions(t.dataFile("highscores.dat"), fs::perms::none);
       },
       fs::file_type::regular},
  };
  std::string notTried;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.kind == fs::file_type::regular && ::geteuid() == 0) {
      notTried = c.what;
      continue;
    }
    fs::remove_all(data());
    fs::create_directory(data());
    c.set(*this);
    const Outcome solved = run("solve.txt");
    EXPECT_EQ(solved.status, 0) << solved.err;
    EXPECT_EQ(linesWith(solved.err, "brambletop:", "highscores.dat'"), 1u) << solved.err;
    EXPECT_EQ(fs::symlink_status(dataFile("highscores.dat")).type(), c.kind);
    if (c.kind == fs::file_type::regular) {
      fs::permissions(dataFile("highscores.dat"), fs::perms::owner_read);
      EXPECT_EQ(bytesOf("highscores.dat"), std::vector<uint8_t>(216, 'B'));
    }
  }
  if (!notTried.empty())
    GTEST_SKIP() << "run as root, which reads every file: '" << notTried << "' not tried";
}

}  // namespace
}  // namespace bt
