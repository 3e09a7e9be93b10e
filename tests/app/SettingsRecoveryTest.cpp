// What a run does with the "settings.dat" it finds: a damaged one (a key no
// keypad has, or no action with a key) gives the defaults and is kept aside,
// an unreadable one is left alone, each with one warning; a good one, even
// short or with actions the player left without a key, is read and written
// back whole.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/ShellFixture.h"
#include "support/CapturedStderr.h"

namespace bt::test {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> defaultBytes() {
  std::vector<uint8_t> bytes = {0, 0, 0};
  bytes.insert(bytes.end(), kDefaultKeyMap.begin(), kDefaultKeyMap.end());
  return bytes;
}

std::vector<uint8_t> randomBytes(size_t n) {
  std::mt19937 random(5);
  std::vector<uint8_t> bytes(n);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

TEST_F(ShellTest, DamagedAndUnreadableSettingsAreNeverLostInSilence) {
  const std::vector<uint8_t> random = randomBytes(1024);
  const std::vector<uint8_t> oneBadKey = {7, 1, 0, 3, 4, 1, 2, 17, 18, 19, 15, 0xFD};
  struct Case {
    const char* what;
    std::function<void(TempFolder&)> set;
    uint8_t soundOn;                 // as the run sees it
    size_t warnings;                 // lines about the settings on stderr
    bool replaced;                   // settings.dat written at exit
    std::vector<uint8_t> aside;      // settings.dat.damaged afterwards ({}: none)
    KeyMap keyMap = kDefaultKeyMap;  // as the run sees it
  };
  const std::vector<uint8_t> allZero(12, 0);
  // Only the hidden entry 8 keeps a key: no action can be performed.
  const std::vector<uint8_t> noActionKey = {0, 1, 0, 254, 0, 254, 254, 254, 0, 254, 254, 16};
  // The player took every key but one away through the options screen.
  const KeyMap oneActionKey = {254, 254, 254, 254, 17, 254, 254, 254, 254};
  const Case cases[] = {
      {"random bytes", [&](TempFolder& f) { f.write("settings.dat", random); }, 0, 1, true, random},
      {"one impossible key",
       [&](TempFolder& f) {
         f.write("settings.dat", oneBadKey);
         f.writeText("settings.dat.damaged", "an older one");
       },
       0, 1, true, oneBadKey},
      {"short but valid",
       [](TempFolder& f) {
         f.write("settings.dat", {9, 1});
       },
       1,
       0,
       true,
       {}},
      {"twelve zero bytes", [&](TempFolder& f) { f.write("settings.dat", allZero); }, 0, 1, true,
       allZero},
      {"no action has a key", [&](TempFolder& f) { f.write("settings.dat", noActionKey); }, 0, 1,
       true, noActionKey},
      {"one action has a key",
       [&](TempFolder& f) {
         std::vector<uint8_t> bytes = {9, 1, 0};
         bytes.insert(bytes.end(), oneActionKey.begin(), oneActionKey.end());
         f.write("settings.dat", bytes);
       },
       1,
       0,
       true,
       {},
       oneActionKey},
      {"a folder in its place",
       [](TempFolder& f) { fs::create_directory(f.file("settings.dat")); },
       0,
       1,
       false,
       {}},
      {"no permission to read",
       [](TempFolder& f) {
         f.write("settings.dat", {0, 1});
         fs::permissions(f.file("settings.dat"), fs::perms::none);
       },
       0,
       1,
       false,
       {}},
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
    folders_ = Folders(folder_.path(), data.path());
    CapturedStderr errors;
    start();
    EXPECT_EQ(app_->player().settings().soundOn, c.soundOn);
    EXPECT_EQ(app_->player().settings().keyMap, c.keyMap);
    app_.reset();
    // The shell has no art: its font is missing too. Count what concerns the settings.
    const std::string said = errors.take();
    size_t warnings = 0;
    for (size_t at = said.find("settings.dat'"); at != std::string::npos;
         at = said.find("settings.dat'", said.find('\n', at))) {
      ++warnings;
    }
    EXPECT_EQ(warnings, c.warnings) << said;
    if (c.replaced) {
      std::vector<uint8_t> expected = defaultBytes();
      std::copy(c.keyMap.begin(), c.keyMap.end(), expected.begin() + 3);
      expected[1] = c.soundOn;
      if (c.aside.empty()) expected[0] = 9;  // the reserved byte is kept as read
      EXPECT_EQ(data.read("settings.dat"), expected);
    } else {
      EXPECT_TRUE(fs::exists(data.file("settings.dat")));
    }
    EXPECT_EQ(data.read("settings.dat.damaged"), c.aside);
  }
  if (!notTried.empty())
    GTEST_SKIP() << "run as root, which reads every file: '" << notTried << "' not tried";
}

}  // namespace
}  // namespace bt::test
