#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/UserFolders.h"
#include "support/CapturedStderr.h"
#include "support/TempFolder.h"

namespace bt::platform {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one scope, then puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The lock lives in the runtime folder only when no one else may write
// there; otherwise the private folder under /tmp takes its place, once said.
TEST(UserFolders, ARuntimeFolderOthersMayWriteIsReplacedWithAWarning) {
  test::TempFolder folder;
  const std::string fallback = "/tmp/brambletop-" + std::to_string(::getuid());
  struct Case {
    fs::perms perms;
    bool used;
  };
  for (const Case c : {Case{fs::perms::owner_all, true},
                       {fs::perms::owner_all | fs::perms::group_write, false},
                       {fs::perms::all, false}}) {
    SCOPED_TRACE(static_cast<int>(c.perms));
    fs::permissions(folder.path(), c.perms);
    ScopedVariable runtime("XDG_RUNTIME_DIR", folder.path());
    test::CapturedStderr errors;
    EXPECT_EQ(userRuntimeFolder(), c.used ? folder.path() : fallback);
    const std::string said = errors.take();
    EXPECT_EQ(said.empty(), c.used) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.used ? 0 : 1) << said;
  }
  ScopedVariable missing("XDG_RUNTIME_DIR", folder.file("missing"));
  EXPECT_EQ(userRuntimeFolder(), fallback);
}

}  // namespace
}  // namespace bt::platform
