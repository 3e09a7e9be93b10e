// Every screen of the program (its own screen factory) on the headless
// backend with the built art, driven by the desktop's keys and the mouse as
// the window sends them: Escape, Enter, letters, the caption bands and the
// key legend.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "game/Rules.h"
#include "platform/VirtualKeys.h"
#include "screens/FrontEndFixture.h"
#include "screens/GameScreen.h"
#include "screens/OnlineScoreScreen.h"

namespace bt::test {
namespace {

using platform::kVkEnter;
using platform::kVkEscape;
using platform::kVkLegend;
using platform::letterKey;

class DesktopControlsTest : public FrontEndTest {
 protected:
  // Nothing listens on port 1: an exchange started here fails at once.
  DesktopControlsTest() { scoreServer_.port = 1; }

  // Starts the program and shows id once it has come in (the intro is the
  // first screen anyway); highlighted names a score-table row being named.
  void show(ScreenId id, DisplaySize d = {240, 320}, int32_t highlighted = -1) {
    app_.reset();
    start(d.w, d.h);
    runFrames(1);
    app_->player().scores().setHighlighted(highlighted);
    if (id != ScreenId::Intro) {
      app_->requestScreen(id);
      runFrames(12);
    }
    ASSERT_EQ(created_.back(), static_cast<int>(id));
    created_.clear();
  }

  // A key as the window sends it: down, then up.
  void pressCode(uint32_t code, int frames = 1) {
    platform_.post(platform::keyMessage(platform::kMessageKeyDown, code));
    platform_.post(platform::keyMessage(platform::kMessageKeyUp, code));
    runFrames(frames);
  }
  void pressKey(GameKey key) { pressCode(*virtualKeyOf(key)); }
  void tap(int x, int y) {
    platform_.post(platform::penMessage(platform::kMessagePenDown, static_cast<uint16_t>(x),
                                        static_cast<uint16_t>(y)));
    platform_.post(platform::penMessage(platform::kMessagePenUp, static_cast<uint16_t>(x),
                                        static_cast<uint16_t>(y)));
    runFrames(1);
  }

  GameScreen* game() { return dynamic_cast<GameScreen*>(app_->currentScreen()); }
};

// What each screen makes of a desktop key, and of the phone key it should
// act as (0: none to compare with).
struct KeyCase {
  const char* what;
  ScreenId screen;
  int32_t highlighted;
  GameKey sameAs;
  int opens;
};

// Escape leaves every screen as its leaving soft key does, the game through
// its menu button, and does nothing on the main menu; it never turns a ring.
TEST_F(DesktopControlsTest, EscapeLeavesAsTheLeavingSoftKeyDoes) {
  const KeyCase cases[] = {
      {"intro", ScreenId::Intro, -1, 0, 2},
      {"main menu", ScreenId::MainMenu, -1, 0, kNoScreen},
      {"options", ScreenId::Options, -1, kKeyLeftSoft, 2},
      {"help", ScreenId::Help, -1, kKeyLeftSoft, 2},
      {"new-game question", ScreenId::ConfirmNewGame, -1, kKeyRightSoft, 2},
      {"score table", ScreenId::ScoreTable, -1, kKeyLeftSoft, 2},
      {"score table naming a row", ScreenId::ScoreTable, 3, kKeyLeftSoft, 2},
      {"online scores", ScreenId::OnlineScores, -1, kKeyLeftSoft, 4},
      {"game", ScreenId::NewGame, -1, kKeyLeftSoft, 2},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    show(c.screen, {240, 320}, c.highlighted);
    pressCode(kVkEscape);
    if (c.screen == ScreenId::NewGame) {
      ASSERT_NE(game(), nullptr);
      EXPECT_FALSE(game()->game().rotation.rotating);
    }
    EXPECT_EQ(nextScreen(), c.opens);
    if (c.sameAs == 0) continue;
    show(c.screen, {240, 320}, c.highlighted);
    pressKey(c.sameAs);
    EXPECT_EQ(nextScreen(), c.opens) << "the soft key";
  }
}

// Enter is Action where Action acts (the intro, the menu, the game) and
// "DONE" on the help, the options and the score table; on the question and
// the online scores it does what Action does: nothing.
TEST_F(DesktopControlsTest, EnterIsActionOrDone) {
  const KeyCase cases[] = {
      {"intro", ScreenId::Intro, -1, kKeyAction, 2},
      {"main menu", ScreenId::MainMenu, -1, kKeyAction, 1},
      {"options", ScreenId::Options, -1, kKeyLeftSoft, 2},
      {"help", ScreenId::Help, -1, kKeyLeftSoft, 2},
      {"new-game question", ScreenId::ConfirmNewGame, -1, kKeyAction, kNoScreen},
      {"score table naming a row", ScreenId::ScoreTable, 0, kKeyLeftSoft, 2},
      {"online scores", ScreenId::OnlineScores, -1, kKeyAction, kNoScreen},
      {"game", ScreenId::NewGame, -1, kKeyAction, kNoScreen},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (bool enter : {true, false}) {
      show(c.screen, {240, 320}, c.highlighted);
      if (enter) {
        pressCode(kVkEnter);
      } else {
        pressKey(c.sameAs);
      }
      if (c.screen == ScreenId::NewGame) {
        ASSERT_NE(game(), nullptr);
        EXPECT_TRUE(game()->game().rotation.rotating) << "a turn of the ring";
      }
      if (c.screen == ScreenId::OnlineScores) {
        auto* online = dynamic_cast<OnlineScoreScreen*>(app_->currentScreen());
        ASSERT_NE(online, nullptr);
        EXPECT_EQ(online->status(), ExchangeStatus::Idle);
      }
      EXPECT_EQ(nextScreen(), c.opens) << (enter ? "Enter" : "the phone key");
    }
  }
}

// The game's letters do what its buttons do (Q and E turn the ring as the
// arrow buttons, with Shift too, R restarts); other letters do nothing
// there. The question answers Y and N.
TEST_F(DesktopControlsTest, LettersOfTheGameAndTheQuestion) {
  struct Case {
    const char* what;
    uint32_t code;
    GameKey sameAs;  // 0: nothing changes
  };
  const Case cases[] = {
      {"Q", letterKey('Q'), kKeyAction},    {"Shift+Q", letterKey('Q', true), kKeyAction},
      {"E", letterKey('E'), kKeyBack},      {"R", letterKey('R'), kKeyStar},
      {"A", platform::kVkLetterA, 0},       {"Y", letterKey('Y'), 0},
      {"Shift+Z", letterKey('Z', true), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<Board> boards;
    for (bool desktop : {true, false}) {
      show(ScreenId::NewGame);
      pressKey(kKeyUp);
      pressKey(kKeyAction);  // a turn, so that a restart shows
      runFrames(kRotationFrames + 1);
      const Board before = game()->game().board;
      if (desktop) {
        pressCode(c.code, kRotationFrames + 2);
      } else if (c.sameAs != 0) {
        pressKey(c.sameAs);
        runFrames(kRotationFrames + 1);
      }
      boards.push_back(game()->game().board);
      if (c.sameAs != 0) {
        EXPECT_NE(boards.back().cells, before.cells);
      }
    }
    EXPECT_EQ(boards[0].cells, boards[1].cells);
  }
  for (auto [letter, opens] : {std::pair{'Y', 1}, std::pair{'N', 2}}) {
    show(ScreenId::ConfirmNewGame);
    pressCode(letterKey(letter));
    EXPECT_EQ(nextScreen(), opens) << letter;
  }
}

// While an action waits for its key, Escape and Enter are the phone's Back
// and Action, so that they can still be given to an action.
TEST_F(DesktopControlsTest, AnAwaitedKeyTakesEscapeAsBackAndEnterAsAction) {
  show(ScreenId::Options);
  pressKey(kKeyDown);  // "Move Up"
  pressKey(kKeyRightSoft);
  pressCode(kVkEscape);
  pressKey(kKeyDown);  // "Move Down"
  pressKey(kKeyRightSoft);
  pressCode(kVkEnter);
  EXPECT_EQ(nextScreen(), kNoScreen);
  const KeyMap& map = app_->player().settings().keyMap;
  EXPECT_EQ(map[kActionMoveUp], kKeyBack);
  EXPECT_EQ(map[kActionMoveDown], kKeyAction);
  EXPECT_EQ(map[kActionRotateLeft], kKeyNone) << "Action was taken from it";
  EXPECT_EQ(map[kActionRotateRight], kKeyNone) << "Back was taken from it";
  pressCode(kVkEscape);
  EXPECT_EQ(nextScreen(), 2) << "no longer waiting: Escape is DONE";
}

// A tap on a caption band, the strip from the captions (or the buttons'
// band) down to the bottom edge, presses the soft key of its half.
TEST_F(DesktopControlsTest, ACaptionTapPressesTheSoftKeyOfItsHalf) {
  for (DisplaySize d : kDisplays) {
    SCOPED_TRACE(::testing::Message() << d.w << "x" << d.h);
    struct Tap {
      const char* what;
      ScreenId screen;
      int32_t highlighted;
      int x, y;
      int opens;
    };
    const Tap taps[] = {
        {"score table DONE", ScreenId::ScoreTable, -1, 40, 212, 2},
        {"score table FETCH", ScreenId::ScoreTable, -1, d.w - 40, d.h - 1, 6},
        {"score table SUBMIT", ScreenId::ScoreTable, 2, d.w / 2, 209, 6},
        {"score table above the band", ScreenId::ScoreTable, -1, 40, 200, kNoScreen},
        {"online DONE", ScreenId::OnlineScores, -1, 0, d.h - 1, 4},
        {"online above the band", ScreenId::OnlineScores, -1, 40, 190, kNoScreen},
        {"options DONE at the bottom edge", ScreenId::Options, -1, 10, d.h - 1, 2},
        {"help DONE at the bottom edge", ScreenId::Help, -1, d.w / 2 - 1, d.h - 1, 2},
    };
    for (const Tap& t : taps) {
      SCOPED_TRACE(t.what);
      show(t.screen, d, t.highlighted);
      tap(t.x, t.y);
      EXPECT_EQ(nextScreen(), t.opens);
    }
    // The right halves that stay: CONNECT starts an exchange, CHANGE flips
    // the sound.
    show(ScreenId::OnlineScores, d);
    tap(d.w - 1, d.h - 1);
    auto* online = dynamic_cast<OnlineScoreScreen*>(app_->currentScreen());
    ASSERT_NE(online, nullptr);
    // The worker reports from its own thread.
    for (int i = 0; i < 1000 && online->status() == ExchangeStatus::Idle; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_NE(online->status(), ExchangeStatus::Idle);
    show(ScreenId::Options, d);
    const uint8_t sound = app_->player().settings().soundOn;
    tap(d.w - 1, d.h - 1);
    EXPECT_NE(app_->player().settings().soundOn, sound);
    EXPECT_EQ(nextScreen(), kNoScreen);
  }
}

// Letters go straight into the name being typed, with Shift or without, the
// game's letters too; the keypad's digits still type by multi-tap.
TEST_F(DesktopControlsTest, LettersTypeIntoTheName) {
  show(ScreenId::ScoreTable, {240, 320}, 4);
  pressCode(letterKey('B'));
  pressCode(letterKey('O', true));
  pressKey(kKeyDigit2);  // 'A' by multi-tap, taken when the next letter comes
  pressCode(letterKey('Q'));
  pressKey(kKeyBack);  // deletes the 'Q'
  pressCode(letterKey('U'));
  pressCode(letterKey('E'));
  pressCode(letterKey('U', true));
  EXPECT_EQ(nextScreen(), kNoScreen);
  pressCode(kVkEnter);
  EXPECT_EQ(nextScreen(), 2);
  EXPECT_STREQ(app_->player().scores().entries[4].name.data(), "BOAUEU");

  // Without a row being named, letters do nothing.
  show(ScreenId::ScoreTable);
  const ScoreTable before = app_->player().scores();
  for (char letter : {'A', 'Q', 'Y'}) pressCode(letterKey(letter));
  EXPECT_EQ(nextScreen(), kNoScreen);
  for (int row = 0; row < ScoreTable::kEntries; ++row) {
    EXPECT_STREQ(app_->player().scores().entries[row].name.data(), before.entries[row].name.data());
  }
}

// The page's Levels button has a code of its own: the level select from the
// main menu as L opens it, and nothing elsewhere; above all it types no L
// into a name being typed, as the L it once sent did.
TEST_F(DesktopControlsTest, TheLevelsButtonOnlyOpensTheLevelSelect) {
  show(ScreenId::MainMenu);
  pressCode(platform::kVkLevelSelect);
  EXPECT_EQ(nextScreen(), static_cast<int>(ScreenId::LevelSelect));

  show(ScreenId::ScoreTable, {240, 320}, 4);
  pressCode(letterKey('B'));
  pressCode(platform::kVkLevelSelect);
  pressCode(letterKey('O'));
  EXPECT_EQ(nextScreen(), kNoScreen);
  pressCode(kVkEnter);
  EXPECT_STREQ(app_->player().scores().entries[4].name.data(), "BO");

  for (ScreenId id : {ScreenId::Help, ScreenId::NewGame, ScreenId::LevelSelect}) {
    SCOPED_TRACE(static_cast<int>(id));
    show(id);
    pressCode(platform::kVkLevelSelect);
    EXPECT_EQ(nextScreen(), kNoScreen);
  }
}

// The legend reads the key map as it stands: an action given another key on
// the options screen shows that key in the game. It is drawn over the
// picture, the screen's own frame buffer untouched, and the page is told.
TEST_F(DesktopControlsTest, TheLegendShowsAReboundKey) {
  for (DisplaySize d : kDisplays) {
    SCOPED_TRACE(::testing::Message() << d.w << "x" << d.h);
    show(ScreenId::Options, d);
    for (int row = 0; row < 5; ++row) pressKey(kKeyDown);  // "Rotate Left"
    pressKey(kKeyRightSoft);
    pressKey(kKeyDigit5);
    EXPECT_NE(platform_.keyLegend().find("5 Q\tRotate Left\n"), std::string::npos)
        << platform_.keyLegend();
    pressCode(kVkEscape);
    ASSERT_EQ(nextScreen(), 2);
    app_->requestScreen(ScreenId::NewGame);
    runFrames(12);
    ASSERT_NE(game(), nullptr);
    const std::vector<LegendRow> rows = app_->legendRows();
    EXPECT_NE(std::find(rows.begin(), rows.end(), LegendRow{"5 Q", "Rotate Left"}), rows.end());
    EXPECT_NE(platform_.keyLegend().find("5 Q\tRotate Left\n"), std::string::npos);

    const auto& display = platform_.headlessDisplay();
    const std::vector<uint16_t> picture = display.shownPixels();
    pressCode(kVkLegend);
    EXPECT_TRUE(app_->legendShown());
    EXPECT_NE(display.shownPixels(), picture) << "the legend is shown";
    const uint16_t* own = app_->frameBuffer().pixels();
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), own)) << "the frame buffer is not";
    // The next key only hides it: the ring does not turn.
    pressKey(kKeyDigit5);
    EXPECT_FALSE(app_->legendShown());
    EXPECT_FALSE(game()->game().rotation.rotating);
    EXPECT_EQ(display.shownPixels(), picture);
    pressKey(kKeyDigit5);
    EXPECT_TRUE(game()->game().rotation.rotating) << "5 turns the ring left now";
  }
}

// In a window the legend shows itself the first time a game opens, once for
// the user; headless runs never show it by themselves.
TEST_F(DesktopControlsTest, TheFirstGameInAWindowShowsTheLegendOnce) {
  show(ScreenId::NewGame);
  EXPECT_FALSE(app_->legendShown()) << "headless";
  for (bool firstTime : {true, false}) {
    SCOPED_TRACE(firstTime);
    app_.reset();
    start();
    app_->introduceLegendOnFirstGame();
    runFrames(1);
    app_->requestScreen(ScreenId::MainMenu);
    runFrames(12);
    EXPECT_FALSE(app_->legendShown()) << "only the game shows it";
    app_->requestScreen(ScreenId::NewGame);
    runFrames(12);
    EXPECT_EQ(app_->legendShown(), firstTime);
    EXPECT_EQ(platform_.registry()["Software\\Brambletop\\Window\\Legend Shown"], "1");
    tap(120, 160);  // hides it, or starts a drag
    EXPECT_FALSE(app_->legendShown());
  }
}

}  // namespace
}  // namespace bt::test
