#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "screens/FrontEndFixture.h"

namespace bt::test {
namespace {

// A key press, or a tap on an option row (0 to 8) or on a button band.
struct Input {
  enum Kind { Key, TapRow, TapDone, TapChange } kind;
  int value = 0;
};
Input key(GameKey k) {
  return {Input::Key, k};
}
Input tapRow(int row) {
  return {Input::TapRow, row};
}
const Input kTapDone{Input::TapDone};
const Input kTapChange{Input::TapChange};

class OptionsTest : public FrontEndTest {
 protected:
  // The options with the default settings (the last run wrote its own).
  void openOptions(DisplaySize d = {240, 320}) {
    app_.reset();
    std::filesystem::remove(folder_.file("settings.dat"));
    open(ScreenId::Options, d);
  }

  void give(const Input& input) {
    const int w = app_->width(), b = app_->width() == 176 ? 44 : 58;
    switch (input.kind) {
      case Input::Key:
        app_->keyDown(static_cast<GameKey>(input.value));
        return;
      case Input::TapRow:
        return tap(w / 2, b + 16 * input.value + 15);
      case Input::TapDone:
        return tap(w / 2 - 1, buttonRowY() + 9);
      case Input::TapChange:
        return tap(w / 2, buttonRowY() - 10);
    }
  }
  void tap(int x, int y) {
    app_->penDown(static_cast<uint16_t>(x), static_cast<uint16_t>(y));
    app_->penUp(static_cast<uint16_t>(x), static_cast<uint16_t>(y));
  }

  std::vector<uint8_t> settingsFile() {
    std::ifstream in(folder_.file("settings.dat"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

KeyMap withEntries(std::initializer_list<std::pair<int, GameKey>> changes) {
  KeyMap map = kDefaultKeyMap;
  for (auto [entry, code] : changes) map[static_cast<size_t>(entry)] = code;
  return map;
}

TEST_F(OptionsTest, ChangingSoundAndKeys) {
  struct Case {
    const char* name;
    std::vector<Input> inputs;
    KeyMap map;
    uint8_t soundOn;
  };
  const GameKey down = kKeyDown, up = kKeyUp, change = kKeyRightSoft, done = kKeyLeftSoft;
  const Case cases[] = {
      {"CHANGE on Sound flips it", {key(change)}, kDefaultKeyMap, 1},
      {"and flips it back", {key(change), key(change)}, kDefaultKeyMap, 0},
      {"Move Up takes Left Menu from Quit",
       {key(down), key(change), key(done)},
       withEntries({{0, kKeyLeftSoft}, {7, kKeyNone}}),
       0},
      {"Restart takes Right Menu from the hidden entry",
       {tapRow(7), key(change), key(change)},
       withEntries({{6, kKeyRightSoft}, {8, kKeyNone}}),
       0},
      {"a key given again to its own action changes nothing",
       {key(down), key(change), key(up)},
       kDefaultKeyMap,
       0},
      {"Up from Sound wraps to Quit",
       {key(up), key(change), key(kKeyDigit5)},
       withEntries({{7, kKeyDigit5}}),
       0},
      {"Down from Quit wraps to Sound", {key(up), key(down), key(change)}, kDefaultKeyMap, 1},
      {"Back and Action do nothing else",
       {key(kKeyBack), key(kKeyAction), key(change)},
       kDefaultKeyMap,
       1},
      {"a row tapped while a key is awaited takes the key",
       {tapRow(1), kTapChange, tapRow(3), key(kKeyStar)},
       withEntries({{0, kKeyAwaiting}, {2, kKeyStar}, {6, kKeyNone}}),
       0},
      {"on Sound the awaited key is dropped",
       {key(down), key(change), tapRow(0), key(kKeyLeft), key(change)},
       withEntries({{0, kKeyAwaiting}}),
       1},
      {"DONE tapped while a key is awaited is that key",
       {tapRow(2), kTapChange, kTapDone},
       withEntries({{1, kKeyLeftSoft}, {7, kKeyNone}}),
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    openOptions();
    for (const Input& input : c.inputs) {
      give(input);
      runFrames(1);
    }
    EXPECT_EQ(app_->player().settings().keyMap, c.map);
    EXPECT_EQ(app_->player().settings().soundOn, c.soundOn);
    EXPECT_EQ(nextScreen(), kNoScreen) << "the screen stays";
  }
}

TEST_F(OptionsTest, SettingsAreWrittenWhenTheScreenIsLeft) {
  for (const Input& leave : {key(kKeyLeftSoft), kTapDone}) {
    openOptions();
    give(key(kKeyRightSoft));  // sound on
    give(key(kKeyDown));
    give(key(kKeyRightSoft));
    give(key(kKeyF3));
    runFrames(30);
    EXPECT_FALSE(std::filesystem::exists(folder_.file("settings.dat"))) << "not before leaving";
    give(leave);
    ASSERT_EQ(nextScreen(), 2);
    const std::vector<uint8_t> expected = {
        0,         1,          0,        kKeyF3,   kKeyDown,     kKeyLeft,
        kKeyRight, kKeyAction, kKeyBack, kKeyStar, kKeyLeftSoft, kKeyRightSoft};
    EXPECT_EQ(settingsFile(), expected);
  }
}

TEST_F(OptionsTest, EveryKeyRedrawsTheScreenOnce) {
  for (DisplaySize d : kDisplays) {
    SCOPED_TRACE(::testing::PrintToString(d));
    openOptions(d);
    EXPECT_GT(settle(), 0);
    const int before = presents();
    runFrames(50);
    EXPECT_EQ(presents(), before) << "idle";
    for (GameKey k : {kKeyBack, kKeyAction, kKeyDigit1}) {
      app_->keyDown(k);
      runFrames(3);
    }
    EXPECT_EQ(presents(), before + 3);
  }
}

}  // namespace
}  // namespace bt::test
