// The one writer every output goes through, against what may stand at the
// path: files are replaced atomically, links followed, devices and FIFOs
// written through (or, for what the program keeps, refused) and never
// replaced, folders refused.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/os/FileSystem.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

namespace fs = std::filesystem;

TEST(FileWrite, EachKindOfPathIsWrittenOrRefusedAsItShouldBe) {
  const std::vector<uint8_t> bytes = {'n', 'e', 'w'};
  struct Case {
    const char* what;
    const char* path;                            // in the test's folder
    std::function<void(test::TempFolder&)> set;  // what stands there first
    bool written;
    const char* reason;  // part of it, when refused
    std::function<void(test::TempFolder&)> check;
  };
  int reader = -1;  // the FIFO's reading end, opened before the write
  const Case cases[] = {
      {"a regular file", "file", [](auto& f) { f.writeText("file", "old contents"); }, true, "",
       [&](auto& f) {
         EXPECT_EQ(f.read("file"), bytes);
         EXPECT_EQ(f.entries(), std::vector<std::string>{"file"});
       }},
      {"a link to a file", "link",
       [](auto& f) {
         f.writeText("target", "old");
         fs::create_symlink("target", f.file("link"));
       },
       true, "",
       [&](auto& f) {
         EXPECT_TRUE(fs::is_symlink(f.file("link")));
         EXPECT_EQ(f.read("target"), bytes);
       }},
      {"a link to nothing yet", "dangling",
       [](auto& f) { fs::create_symlink("made", f.file("dangling")); }, true, "",
       [&](auto& f) {
         EXPECT_TRUE(fs::is_symlink(f.file("dangling")));
         EXPECT_EQ(f.read("made"), bytes);
       }},
      {"a FIFO with a reader", "fifo",
       [&](auto& f) {
         ASSERT_EQ(::mkfifo(f.file("fifo").c_str(), 0600), 0);
         reader = ::open(f.file("fifo").c_str(), O_RDONLY | O_NONBLOCK);
       },
       true, "",
       [&](auto& f) {
         EXPECT_TRUE(fs::is_fifo(f.file("fifo")));
         char got[8] = {};
         EXPECT_EQ(::read(reader, got, sizeof got), 3);
         EXPECT_EQ(std::string(got), "new");
         ::close(reader);
       }},
      {"a FIFO without a reader", "lonely",
       [](auto& f) { ASSERT_EQ(::mkfifo(f.file("lonely").c_str(), 0600), 0); }, false, "",
       [](auto& f) { EXPECT_TRUE(fs::is_fifo(f.file("lonely"))); }},
      {"a missing folder", "missing/file", [](auto&) {}, false, "No such file",
       [](auto& f) { EXPECT_TRUE(f.entries().empty()); }},
      {"a folder", "folder", [](auto& f) { fs::create_directory(f.file("folder")); }, false,
       "is a folder",
       [](auto& f) {
         EXPECT_TRUE(fs::is_directory(f.file("folder")));
         EXPECT_EQ(f.entries(), std::vector<std::string>{"folder"});
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder folder;
    c.set(folder);
    std::string whyNot;
    EXPECT_EQ(os::writeFileAtomically(folder.file(c.path), bytes, &whyNot), c.written);
    EXPECT_NE(whyNot.find(c.reason), std::string::npos) << whyNot;
    EXPECT_EQ(whyNot.empty(), c.written);
    c.check(folder);
  }
}

// What the program keeps for the next run is replaced only where a readable
// file (or nothing) stands: a device or a FIFO keeps nothing, and a file that
// cannot be read may still hold what the player values.
TEST(FileWrite, AKeptFileReplacesOnlyAReadableFile) {
  const std::vector<uint8_t> bytes = {'n', 'e', 'w'};
  struct Case {
    const char* what;
    std::function<void(test::TempFolder&)> set;  // what stands at "kept" first
    const char* reason;                          // part of it; "" when written
  };
  int reader = -1;
  const Case cases[] = {
      {"nothing", [](auto&) {}, ""},
      {"a file", [](auto& f) { f.writeText("kept", "old"); }, ""},
      {"a link to a file",
       [](auto& f) {
         f.writeText("target", "old");
         fs::create_symlink("target", f.file("kept"));
       },
       ""},
      {"a FIFO with a reader",
       [&](auto& f) {
         ASSERT_EQ(::mkfifo(f.file("kept").c_str(), 0600), 0);
         reader = ::open(f.file("kept").c_str(), O_RDONLY | O_NONBLOCK);
       },
       "is a FIFO, not a file"},
      {"a link to /dev/full", [](auto& f) { fs::create_symlink("/dev/full", f.file("kept")); },
       "is a device, not a file"},
      {"a file without read permission",
       [](auto& f) {
         f.writeText("kept", "old");
         fs::permissions(f.file("kept"), fs::perms::owner_write);
       },
       "cannot be read (Permission denied)"},
  };
  std::string notTried;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string(c.what) == "a file without read permission" && ::geteuid() == 0) {
      notTried = c.what;
      continue;
    }
    test::TempFolder folder;
    c.set(folder);
    const fs::file_type before = fs::symlink_status(folder.file("kept")).type();
    const bool written = std::string(c.reason).empty();
    std::string whyNot;
    EXPECT_EQ(
        os::writeFileAtomically(folder.file("kept"), bytes, &whyNot, os::Replace::ReadableFile),
        written);
    EXPECT_NE(whyNot.find(c.reason), std::string::npos) << whyNot;
    if (before != fs::file_type::not_found) {
      EXPECT_EQ(fs::symlink_status(folder.file("kept")).type(), before);
    }
    if (written) {
      EXPECT_EQ(folder.read("kept"), bytes);
    }
    if (reader >= 0) {
      char got[8];
      EXPECT_EQ(::read(reader, got, sizeof got), 0) << "nothing went through the FIFO";
      ::close(reader);
      reader = -1;
    }
    if (std::string(c.what) == "a file without read permission") {
      fs::permissions(folder.file("kept"), fs::perms::owner_read, fs::perm_options::add);
      EXPECT_EQ(folder.readText("kept"), "old");
    }
  }
  if (!notTried.empty())
    GTEST_SKIP() << "run as root, which reads every file: '" << notTried << "' not tried";
}

}  // namespace
}  // namespace bt
