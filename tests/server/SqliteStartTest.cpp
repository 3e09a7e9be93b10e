// An SQLite file the server cannot use is refused at start with a message
// that names the file and the cause: a file, folder or write-ahead log the
// server's user may not write, a folder that is missing, damaged pages.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "ScoreRequests.h"
#include "ScoredProcess.h"
#include "support/TempFolder.h"

namespace bt::scored::test {
namespace {

using std::chrono::seconds;

// Whom the server runs as. Root may write anything, so as root the server
// runs as the user nobody, and the test grants or takes away the right to
// write by owner; otherwise by mode.
class ServerUser {
 public:
  ServerUser() {
    if (::geteuid() != 0) return;
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody) runAs_ = RunAs{nobody->pw_uid, nobody->pw_gid};
  }

  const std::optional<RunAs>& runAs() const { return runAs_; }

  // Why these tests cannot deny the server anything here, or empty.
  std::string whyNotTestable(const bt::test::TempFolder& folder) const {
    if (::geteuid() == 0) {
      if (!runAs_) return "run as root, and there is no user nobody to run the server as";
      ScoredProcess probe({"--frobnicate"}, runAs_);
      if (probe.wait() != 2) return "the server cannot be run as the user nobody here";
      return {};
    }
    const std::string file = folder.file("probe");
    folder.writeText("probe", "");
    ::chmod(file.c_str(), 0444);
    if (::access(file.c_str(), W_OK) == 0) return "file permissions do not bind this user";
    return {};
  }

  // Lets the server's user write `path` (a file or a folder), or not.
  void letWrite(const std::string& path, bool allowed) const {
    struct stat status {};
    ::stat(path.c_str(), &status);
    const bool folder = S_ISDIR(status.st_mode);
    if (runAs_) {
      [[maybe_unused]] int changed =
          ::chown(path.c_str(), allowed ? runAs_->uid : 0, allowed ? runAs_->gid : 0);
      ::chmod(path.c_str(), folder ? 0755 : 0644);
    } else {
      ::chmod(path.c_str(), (folder ? 0555 : 0444) | (allowed ? 0200 : 0));
    }
  }

 private:
  std::optional<RunAs> runAs_;
};

// Makes the database, with its table, through the server.
void makeDatabase(const std::string& path) {
  ScoredProcess server({"--db", path, "--quiet"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  server.signal(SIGTERM);
  ASSERT_EQ(server.wait(), 0);
}

TEST(SqliteStart, AFileTheServerMayNotUseIsNamedWithTheCause) {
  bt::test::TempFolder folder;
  const ServerUser user;
  if (const std::string why = user.whyNotTestable(folder); !why.empty()) GTEST_SKIP() << why;
  const std::string path = folder.file("scores.db");
  struct Case {
    const char* what;
    bool fileMade, fileWritable, folderWritable, leftoverLog;
    std::vector<std::string> told;
  };
  const std::vector<Case> cases = {
      {"a read-only file",
       true,
       false,
       true,
       false,
       {"cannot use " + path + ": ", " may not write it (Permission denied)"}},
      {"a folder where the write-ahead log cannot be made",
       true,
       true,
       false,
       false,
       {"cannot use " + path + ": ", " may not make files in " + folder.path(), "scores.db-wal",
        "(Permission denied)"}},
      {"a new file in a read-only folder",
       false,
       true,
       false,
       false,
       {"cannot open " + path + ": ", " may not make files in " + folder.path(),
        "(Permission denied)"}},
      {"a write-ahead log left behind by another user",
       true,
       true,
       true,
       true,
       {"cannot use " + path + ": ", " may not write " + path + "-wal (Permission denied)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    user.letWrite(folder.path(), true);
    std::filesystem::remove(path);
    std::filesystem::remove(path + "-wal");
    if (c.fileMade) {
      ASSERT_NO_FATAL_FAILURE(makeDatabase(path));
      user.letWrite(path, c.fileWritable);
    }
    if (c.leftoverLog) {
      folder.writeText("scores.db-wal", "");
      user.letWrite(path + "-wal", false);
    }
    user.letWrite(folder.path(), c.folderWritable);
    ScoredProcess server({"--db", path, "--quiet"}, user.runAs());
    EXPECT_EQ(server.wait(seconds(5)), 1);
    const std::string output = server.errorOutput();
    for (const std::string& part : c.told)
      EXPECT_NE(output.find(part), std::string::npos) << output;
  }
}

TEST(SqliteStart, AMissingFolderIsNamed) {
  bt::test::TempFolder folder;
  const std::string path = folder.file("gone/scores.db");
  ScoredProcess server({"--db", path, "--quiet"});
  EXPECT_EQ(server.wait(seconds(5)), 1);
  EXPECT_NE(server.errorOutput().find("cannot open " + path + ": its folder " +
                                      folder.file("gone") + " does not exist"),
            std::string::npos)
      << server.errorOutput();
}

TEST(SqliteStart, DamagedPagesAreRefusedUnlessTheCheckIsSkipped) {
  bt::test::TempFolder folder;
  const std::string path = folder.file("scores.db");
  {
    // Enough names for the table to take several pages: each from an
    // address of its own, through the server's trust in a proxy.
    ScoredProcess server(
        {"--db", path, "--quiet", "--trusted-proxy", "127.0.0.1", "--accept-unproven"});
    ASSERT_NE(server.port(), 0) << server.errorOutput();
    auto c = clientFor(server.port());
    for (int i = 0; i < 300; ++i) {
      const httplib::Headers from = {{"X-Forwarded-For", numbered("192.0.2.", i % 200)}};
      auto reply = c.Post(
          std::string(kScorePath) + "?" + submitQuery(numbered("g", i % 7), numbered("NAME", i), i),
          from, "OK", "text/plain");
      ASSERT_TRUE(reply && reply->status == 200) << i;
    }
    server.signal(SIGTERM);
    ASSERT_EQ(server.wait(), 0);
  }
  {
    // The last page, far from the first that every start reads, is garbage.
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    unsigned char header[18];
    file.read(reinterpret_cast<char*>(header), sizeof header);
    const size_t pageSize = header[16] << 8 | header[17];
    const size_t size = std::filesystem::file_size(path);
    ASSERT_GE(size / pageSize, 4u);
    file.seekp(static_cast<std::streamoff>(size - pageSize));
    const std::string garbage(pageSize, '\x2a');
    file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
  }
  ScoredProcess refused({"--db", path, "--quiet"});
  EXPECT_EQ(refused.wait(seconds(10)), 1);
  EXPECT_NE(refused.errorOutput().find("cannot use " + path + ": it is damaged"), std::string::npos)
      << refused.errorOutput();
  // An operator may still start it on the file as it is.
  ScoredProcess unchecked({"--db", path, "--quiet", "--no-db-check"});
  EXPECT_NE(unchecked.port(), 0) << unchecked.errorOutput();
}

}  // namespace
}  // namespace bt::scored::test
