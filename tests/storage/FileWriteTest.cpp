// The one writer every output goes through, against what may stand at the
// path: files are replaced atomically, links followed, devices and FIFOs
// written through and never replaced, folders refused.
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

}  // namespace
}  // namespace bt
