#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Colour.h"
#include "screens/ProgramScreensFixture.h"
#include "screens/ScoreTableScreen.h"
#include "support/BlockFont.h"

namespace bt::test {
namespace {

// The program's screens with a block font and no other art.
class ScoreTableScreenTest : public ProgramScreensTest {
 protected:
  ScoreTableScreenTest() { EXPECT_TRUE(writeBlockFont(folder_.path())); }

  // Starts on the table; highlighted names the row of a new score, if any.
  ScoreTableScreen& openTable(int32_t highlighted = -1, const std::string& lastInitials = "",
                              int width = 240) {
    start(width, width == 176 ? 220 : 320);
    runFrames(1);
    app_->player().scores().setEntryName(-1, lastInitials);
    app_->player().scores().setHighlighted(highlighted);
    app_->requestScreen(ScreenId::ScoreTable);
    runFrames(2);
    return *static_cast<ScoreTableScreen*>(app_->currentScreen());
  }

  void press(GameKey key, int frames = 1) {
    app_->keyDown(key);
    runFrames(frames);
  }

  // Leaves with a soft key; the id of the screen created next, or -1.
  int leaveWith(GameKey key) {
    created_.clear();
    press(key, 12);
    return created_.empty() ? -1 : created_.front();
  }

  std::string name(int row) { return app_->player().scores().entries[row].name.data(); }
  uint16_t pixel(int x, int y) { return app_->frameBuffer().pixel(x, y); }
  uintmax_t fileSize() {
    std::error_code error;
    return std::filesystem::file_size(folder_.file("highscores.dat"), error);
  }
};

TEST_F(ScoreTableScreenTest, ScoresHaveTenDigits) {
  EXPECT_EQ(ScoreTableScreen::scoreText(0), "0000000000");
  EXPECT_EQ(ScoreTableScreen::scoreText(1234567), "0001234567");
  EXPECT_EQ(ScoreTableScreen::scoreText(-5), "-0000000005");
  EXPECT_EQ(ScoreTableScreen::scoreText(-2147483647 - 1), "-2147483648");
}

TEST_F(ScoreTableScreenTest, DrawsTenGreyRowsAndTheCaptions) {
  for (int width : {176, 240}) {
    SCOPED_TRACE(width);
    openTable(-1, "", width);
    const int half = width / 2;
    for (int row = 0; row < 10; ++row) {
      const int y = 48 + 16 * row;
      EXPECT_EQ(pixel(half - 70, y), kTextGrey) << "name of row " << row;
      EXPECT_EQ(pixel(half + 30, y), kTextGrey) << "score of row " << row;
      // Ten characters of six pixels (five and a gap).
      EXPECT_EQ(pixel(half + 30 + 9 * 6, y), kTextGrey);
      EXPECT_EQ(pixel(half + 30 + 9 * 6 - 1, y), 0);
      if (width == 240) {
        EXPECT_EQ(pixel(half + 30 + 10 * 6 - 1, y), 0);
      }
    }
    EXPECT_EQ(pixel(34, 208), kTextGrey) << "DONE";
    EXPECT_EQ(pixel(120 + 5 * 6 - 2, 208), kTextGrey) << "FETCH";
    EXPECT_EQ(pixel(120 + 6 * 6 - 2, 208), 0) << "not SUBMIT";
    const int presents = platform_.headlessDisplay().presentCount();
    runFrames(10);
    EXPECT_EQ(platform_.headlessDisplay().presentCount(), presents) << "idle costs nothing";
    press(kKeyDigit2);
    EXPECT_EQ(platform_.headlessDisplay().presentCount(), presents + 1) << "a key redraws";
    EXPECT_EQ(name(0), "AAAAAAAAAAAAAAA");
    app_.reset();
  }
}

TEST_F(ScoreTableScreenTest, TheHighlightedRowIsTypedInRed) {
  openTable(3);
  EXPECT_EQ(pixel(50, 48 + 48), kHighlightRed) << "the cursor mark";
  EXPECT_EQ(pixel(150, 48 + 48), kTextGrey) << "the score stays grey";
  EXPECT_EQ(pixel(120 + 6 * 6 - 2, 208), kTextGrey) << "SUBMIT";
  press(kKeyDigit2);
  press(kKeyDigit3);
  EXPECT_EQ(pixel(50 + 6, 96), kHighlightRed) << "the second letter";
  EXPECT_EQ(pixel(50 + 12, 96), 0);
  const int presents = platform_.headlessDisplay().presentCount();
  runFrames(40);
  EXPECT_EQ(platform_.headlessDisplay().presentCount(), presents + 1)
      << "the accepted letter redraws once";
  EXPECT_EQ(pixel(50 + 12, 96), kHighlightRed) << "the mark moved on";
}

TEST_F(ScoreTableScreenTest, EitherSoftKeyStoresTheName) {
  struct Case {
    const char* what;
    std::string lastInitials;
    std::vector<GameKey> keys;
    std::string stored;
  };
  const std::vector<Case> cases = {
      {"typed", "", {kKeyDigit2, kKeyDigit2, kKeyDigit6}, "BM"},
      {"typed over the last initials", "ZOE", {kKeyDigit8}, "TOE"},
      {"emptied: the last initials again", "ZOE", {kKeyBack, kKeyBack}, "ZOE"},
      {"nothing typed, no last initials", "", {}, "AAAAAAAAAAAAAAA"},
  };
  for (GameKey softKey : {kKeyLeftSoft, kKeyRightSoft}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (softKey == kKeyLeftSoft ? ", DONE" : ", SUBMIT"));
      openTable(5, c.lastInitials);
      for (GameKey key : c.keys) press(key);
      EXPECT_EQ(
          leaveWith(softKey),
          static_cast<int>(softKey == kKeyLeftSoft ? ScreenId::MainMenu : ScreenId::OnlineScores));
      EXPECT_EQ(name(5), c.stored);
      EXPECT_EQ(std::string(app_->player().scores().lastInitials.data()), c.stored);
      EXPECT_EQ(fileSize(), 216u);
      app_.reset();
      std::filesystem::remove(folder_.file("highscores.dat"));
    }
  }
}

TEST_F(ScoreTableScreenTest, EveryLeaveWritesTheFileBackDoesNot) {
  openTable();
  press(kKeyBack);
  EXPECT_FALSE(app_->switchPending());
  EXPECT_EQ(fileSize(), static_cast<uintmax_t>(-1)) << "back does not leave";
  EXPECT_EQ(leaveWith(kKeyLeftSoft), static_cast<int>(ScreenId::MainMenu));
  EXPECT_EQ(fileSize(), 216u) << "written though nothing changed";
  EXPECT_EQ(name(0), "AAAAAAAAAAAAAAA");
}

TEST_F(ScoreTableScreenTest, ANewScoreIsOnDiskBeforeItsNameIsTyped) {
  openTable(0);
  EXPECT_EQ(fileSize(), 216u);
}

}  // namespace
}  // namespace bt::test
