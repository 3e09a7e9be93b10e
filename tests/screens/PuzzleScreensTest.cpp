// The endless mode as a player meets it: the level select's "random" and
// "daily", the random puzzle screen's choices and typed ids, a puzzle made
// while the frames keep coming, played as practice with hints, the day's
// best and its result to copy, and ids handed over by a later start.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "app/DataFiles.h"
#include "game/DailyPuzzle.h"
#include "game/GamePuzzle.h"
#include "game/PuzzleGenerator.h"
#include "platform/VirtualKeys.h"
#include "screens/DailyPuzzleSession.h"
#include "screens/GameFixture.h"
#include "screens/LevelSelectScreen.h"
#include "screens/PuzzleEntries.h"
#include "screens/RandomPuzzleScreen.h"

namespace bt::test {
namespace {

using puzzle::parsePuzzleId;

class PuzzleScreensTest : public GameTest {
 protected:
  void pressDesktopKey(uint32_t code) {
    platform_.post(platform::keyMessage(platform::kMessageKeyDown, code));
    platform_.post(platform::keyMessage(platform::kMessageKeyUp, code));
    runFrames(1);
  }
  // A keyboard's text: letters as the desktop sends them, digits as the
  // keypad's.
  void typeOnKeyboard(std::string_view text) {
    for (char c : text) {
      if (c >= '0' && c <= '9') {
        press(c == '0' ? kKeyDigit0 : static_cast<GameKey>(kKeyDigit1 + (c - '1')));
      } else {
        pressDesktopKey(platform::letterKey(static_cast<char>(c - 'a' + 'A')));
      }
    }
  }
  void openLevelSelect() {
    if (!app_) {
      start();
      runFrames(1);
    }
    app_->requestScreen(ScreenId::LevelSelect);
    runFrames(12);
  }
  LevelSelectScreen& levelSelect() {
    return *dynamic_cast<LevelSelectScreen*>(app_->currentScreen());
  }
  // The puzzle the game screen plays, and its day when it is the daily one.
  const PuzzleSession& puzzleSession() {
    return dynamic_cast<const PuzzleSession&>(screen().session());
  }
  std::string dayPlayed() {
    const auto* daily = dynamic_cast<const DailyPuzzleSession*>(&screen().session());
    return daily != nullptr ? daily->date() : "";
  }

  RandomPuzzleScreen& randomScreen() {
    return *dynamic_cast<RandomPuzzleScreen*>(app_->currentScreen());
  }
  // Runs frames until the game screen's puzzle is made and set up.
  void waitForThePuzzle() {
    ASSERT_EQ(created_.back(), static_cast<int>(ScreenId::Play));
    for (int frame = 0; frame < 400 && !screen().session().ready(); ++frame) runFrames(1);
    ASSERT_TRUE(screen().session().ready());
    runFrames(1);
  }
  // Follows hints until the puzzle is solved; the keys pressed.
  std::string solveByHints() {
    std::string keys;
    for (int step = 0; step < 200 && !game().gameOver; ++step) {
      pressDesktopKey(platform::letterKey('H'));
      const char key = screen().hint().key;
      if (key == 0) {
        ADD_FAILURE() << "no hint after " << keys;
        break;
      }
      playKeys(std::string(1, key));
      keys += key;
    }
    return keys;
  }
  // Nothing of the phone's game changed.
  void expectTheGameUntouched() {
    EXPECT_FALSE(std::filesystem::exists(savePath()));
    EXPECT_FALSE(std::filesystem::exists(folder_.file(kRecordsFile)));
    EXPECT_EQ(app_->player().settings().gameInProgress, 0);
  }
};

TEST_F(PuzzleScreensTest, TheCursorKeysReachTheEntriesFromTheGridsFirstAndLastRows) {
  constexpr int kColumns = LevelSelectScreen::kColumns, kRows = LevelSelectScreen::kRows;
  constexpr int kRandom = PuzzleEntries::kRandom, kDaily = PuzzleEntries::kDaily;
  struct Case {
    int from, dx, dy, to;
  };
  for (const Case& c :
       {Case{0, 0, -1, kRandom}, Case{8, 0, -1, kDaily}, Case{64, 0, 1, kRandom},
        Case{71, 0, 1, kDaily}, Case{kRandom, 1, 0, kDaily}, Case{kDaily, -1, 0, kRandom},
        Case{kRandom, 0, 1, 2}, Case{kDaily, 0, 1, 6}, Case{kRandom, 0, -1, 65},
        Case{kDaily, 0, -1, 69}, Case{8, 1, 0, 0}, Case{9, 0, 1, 18}}) {
    SCOPED_TRACE(std::to_string(c.from) + " by " + std::to_string(c.dx) + "," +
                 std::to_string(c.dy));
    EXPECT_EQ(PuzzleEntries::move(c.from, c.dx, c.dy, kColumns, kRows), c.to);
  }
}

// A random puzzle chosen with the keys, played through the level select:
// made, solved by following hints, and never a game's: no save, no record,
// no game in progress; leaving returns to "random".
TEST_F(PuzzleScreensTest, ARandomPuzzleChosenByKeysIsSolvedByHints) {
  openLevelSelect();
  press(kKeyUp);  // from level 1 to the row under the grid
  EXPECT_EQ(levelSelect().selected(), PuzzleEntries::kRandom);
  press(kKeyAction);
  runFrames(12);
  ASSERT_EQ(created_.back(), static_cast<int>(ScreenId::RandomPuzzle));
  // Size 6, easy.
  for (int i = 0; i < 4; ++i) press(kKeyUp);
  EXPECT_EQ(randomScreen().row(), RandomPuzzleScreen::kSize);
  press(kKeyLeft);
  press(kKeyLeft);
  for (int i = 0; i < 3; ++i) press(kKeyDown);
  press(kKeyLeft);
  const puzzle::PuzzleSpec spec = randomScreen().spec();
  EXPECT_EQ(spec.side, 6);
  EXPECT_EQ(spec.difficulty, puzzle::Difficulty::Easy);
  const puzzle::PairRange pairs = puzzle::pairRange(6, puzzle::Difficulty::Easy);
  EXPECT_GE(spec.pairs, pairs.least);
  EXPECT_LE(spec.pairs, pairs.most);
  press(kKeyRightSoft);  // PLAY
  runFrames(12);
  waitForThePuzzle();
  EXPECT_EQ(puzzleSession().spec(), spec);
  EXPECT_EQ(dayPlayed(), "");
  const std::string keys = solveByHints();
  ASSERT_TRUE(game().gameOver);
  EXPECT_EQ(game().lastSolved.moves, keys);
  EXPECT_TRUE(game().lastSolved.hintUsed);
  EXPECT_EQ(screen().statusText(), "Solved in " + std::to_string(keys.size()) + ", par " +
                                       std::to_string(puzzle::generatePuzzle(spec).par));
  EXPECT_EQ(platform_.shareText().rfind("Brambletop puzzle " + puzzle::formatPuzzleId(spec), 0),
            0u);
  quitGame(ScreenId::LevelSelect);
  EXPECT_EQ(levelSelect().selected(), PuzzleEntries::kRandom);
  EXPECT_EQ(platform_.shareText(), "");
  expectTheGameUntouched();
  EXPECT_FALSE(std::filesystem::exists(folder_.file(kDailyFile)));
}

// An id typed with the keypad's digits and a keyboard's letters, the dash
// left out: the rows follow it and PLAY plays it; a text that is no id is
// refused with a note.
TEST_F(PuzzleScreensTest, ATypedIdIsPlayedAndAnythingElseRefused) {
  openLevelSelect();
  app_->requestScreen(ScreenId::RandomPuzzle);
  runFrames(12);
  typeOnKeyboard("5c2p2e00001");
  EXPECT_TRUE(randomScreen().typing());
  EXPECT_EQ(randomScreen().typedSpec(), parsePuzzleId("5c2p2e-00001"));
  EXPECT_EQ(randomScreen().spec(), parsePuzzleId("5c2p2e-00001"));
  press(kKeyBack);  // "5c2p2e0000": no id
  EXPECT_FALSE(randomScreen().typedSpec());
  press(kKeyAction);
  runFrames(12);
  EXPECT_EQ(created_.back(), static_cast<int>(ScreenId::RandomPuzzle));
  typeOnKeyboard("1");
  press(kKeyAction);
  runFrames(12);
  ASSERT_EQ(created_.back(), static_cast<int>(ScreenId::Play));
  EXPECT_EQ(puzzleSession().spec(), parsePuzzleId("5c2p2e-00001"));

  // On the keypad alone: '*' switches to letters by taps and back.
  app_->requestScreen(ScreenId::RandomPuzzle);
  runFrames(12);
  for (GameKey key : {kKeyDigit8, kKeyStar, kKeyDigit2, kKeyDigit2, kKeyDigit2}) press(key);
  runFrames(40);  // the letter is taken after a pause
  for (GameKey key : {kKeyStar, kKeyDigit3}) press(key);
  EXPECT_EQ(randomScreen().typedSpec(), std::nullopt);
  ASSERT_TRUE(randomScreen().typing());
  // Up leaves the text; Left and Right then draw another seed.
  const puzzle::PuzzleSpec before = randomScreen().spec();
  press(kKeyUp);
  press(kKeyDown);
  press(kKeyRight);
  EXPECT_FALSE(randomScreen().typing());
  EXPECT_NE(randomScreen().spec().seed, before.seed);
}

// The day's puzzle from the level select: its best kept in "daily.dat"
// (a worse solve keeps it), its result offered and copied with C, taken
// off the page by a restart; the level select then says the best.
TEST_F(PuzzleScreensTest, TheDailyPuzzleKeepsItsBestAndItsResultCanBeCopied) {
  const auto date = puzzle::parseDate("2026-12-07");
  platform_.setUtcDay(puzzle::daysSinceEpoch(*date));
  const puzzle::PuzzleSpec spec = puzzle::dailyPuzzle(*date);
  const puzzle::GeneratedPuzzle made = puzzle::generatePuzzle(spec);
  openLevelSelect();
  press(kKeyUp);
  press(kKeyRight);
  EXPECT_EQ(levelSelect().selected(), PuzzleEntries::kDaily);
  EXPECT_EQ(PuzzleEntries::details(*app_, PuzzleEntries::kDaily),
            "Daily 2026-12-07: not solved yet");
  press(kKeyAction);
  runFrames(12);
  waitForThePuzzle();
  EXPECT_EQ(dayPlayed(), "2026-12-07");
  playKeys(made.solution);
  ASSERT_TRUE(game().gameOver);
  const std::string result =
      "Brambletop daily 2026-12-07: " + std::to_string(made.solution.size()) + " moves, par " +
      std::to_string(made.par);
  EXPECT_EQ(platform_.shareText(), result);
  EXPECT_EQ(result.find(made.solution), std::string::npos);
  pressDesktopKey(platform::letterKey('C'));
  EXPECT_EQ(platform_.clipboard(), result);
  const std::optional<DailyBook> book = DailyBook::decode(folder_.read(kDailyFile));
  ASSERT_TRUE(book);
  ASSERT_NE(book->day("2026-12-07"), nullptr);
  EXPECT_EQ(book->day("2026-12-07")->moves, made.solution);
  EXPECT_EQ(book->day("2026-12-07")->id, puzzle::formatPuzzleId(spec));
  EXPECT_EQ(book->unsent().size(), 1u);

  // Again, the long way round: the best stays.
  press(kKeyStar);  // restart
  EXPECT_FALSE(game().gameOver);
  EXPECT_EQ(platform_.shareText(), "");
  playKeys("DU" + made.solution);
  ASSERT_TRUE(game().gameOver);
  EXPECT_EQ(app_->player().daily().day("2026-12-07")->moves, made.solution);
  quitGame(ScreenId::LevelSelect);
  EXPECT_EQ(levelSelect().selected(), PuzzleEntries::kDaily);
  EXPECT_EQ(
      PuzzleEntries::details(*app_, PuzzleEntries::kDaily),
      "Daily 2026-12-07: best " + std::to_string(made.par) + ", par " + std::to_string(made.par));
  expectTheGameUntouched();
}

// The page has no threads: the puzzle is made a slice each frame, and every
// frame until it is made shows the work going on; the puzzle is the one the
// id makes.
TEST_F(PuzzleScreensTest, FramesKeepComingWhileAPuzzleIsMade) {
  start();
  runFrames(1);
  const std::string id = "10c4p8m-zzzzz";  // ten tables and some searches
  ASSERT_TRUE(app_->openPuzzle(id));
  for (int frame = 0; frame < 20 && created_.back() != static_cast<int>(ScreenId::Play); ++frame) {
    runFrames(1);
  }
  ASSERT_EQ(created_.back(), static_cast<int>(ScreenId::Play));
  int making = 0;
  while (!screen().session().ready() && making < 400) {
    const int shown = display().presentCount();
    runFrames(1);
    ++making;
    EXPECT_EQ(display().presentCount(), shown + 1);
  }
  EXPECT_GT(making, 10);
  ASSERT_TRUE(screen().session().ready());
  const puzzle::GeneratedPuzzle made = puzzle::generatePuzzle(*parsePuzzleId(id));
  EXPECT_EQ(puzzlePositionOf(game()), puzzle::PuzzleBoard(made.level).start());
}

// A later start's id opens that puzzle (today's daily when it is today's);
// a text that is no id, or an id while a name is typed into the score table,
// changes nothing.
TEST_F(PuzzleScreensTest, AnIdHandedOverByALaterStartOpensItsPuzzle) {
  const auto date = puzzle::parseDate("2026-12-07");
  platform_.setUtcDay(puzzle::daysSinceEpoch(*date));
  openLevelSelect();
  platform_.handOver("no puzzle");
  runFrames(12);
  EXPECT_EQ(created_.back(), static_cast<int>(ScreenId::LevelSelect));
  platform_.handOver("5C2P2E-0000L");  // as a person may type it
  runFrames(12);
  ASSERT_EQ(created_.back(), static_cast<int>(ScreenId::Play));
  EXPECT_EQ(puzzleSession().spec(), parsePuzzleId("5c2p2e-00001"));
  EXPECT_EQ(dayPlayed(), "");
  platform_.handOver(puzzle::dailyPuzzleId(*date));
  runFrames(12);
  EXPECT_EQ(dayPlayed(), "2026-12-07");

  app_->player().scores().setHighlighted(0);
  app_->requestScreen(ScreenId::ScoreTable);
  runFrames(12);
  platform_.handOver("5c2p2e-00001");
  runFrames(12);
  EXPECT_EQ(created_.back(), static_cast<int>(ScreenId::ScoreTable));
}

}  // namespace
}  // namespace bt::test
