// A game left in the middle of a level and continued: "proof.dat" keeps the
// level's moves so far, and the continued level is still proven when they
// give the saved board; when they do not, the level's proof is lost and the
// game plays on.
#include <gtest/gtest.h>

#include <string>

#include "app/GameProofFile.h"
#include "game/GameProof.h"
#include "game/LevelData.h"
#include "platform/VirtualKeys.h"
#include "screens/GameFixture.h"
#include "support/CapturedStderr.h"

namespace bt::test {
namespace {

class GameProofContinueTest : public GameTest {
 protected:
  // A new game with level 1 solved, then the first `keys` of level 2's
  // solution played and the game left; the cursor as it was then.
  std::pair<int, int> leaveLevelTwoAfter(size_t keys) {
    openGame(ScreenId::NewGame);
    playKeys(levelSolutions()[0]);
    press(kKeyHash);  // the next level shows
    playKeys(solutionOfLevelTwo().substr(0, keys));
    const std::pair<int, int> cursor{game().board.cursorX, game().board.cursorY};
    quitGame(ScreenId::ScoreTable);  // level 1 earns a row
    return cursor;
  }
  static std::string solutionOfLevelTwo() { return std::string(levelSolutions()[1]); }

  // Back to where the cursor was, then the rest of level 2's solution.
  void finishLevelTwo(std::pair<int, int> cursor, size_t keys) {
    std::string way;
    for (int x = game().board.cursorX; x != cursor.first; x += x < cursor.first ? 1 : -1) {
      way += x < cursor.first ? 'R' : 'L';
    }
    for (int y = game().board.cursorY; y != cursor.second; y += y < cursor.second ? 1 : -1) {
      way += y < cursor.second ? 'D' : 'U';
    }
    playKeys(way + solutionOfLevelTwo().substr(keys));
    ASSERT_EQ(screen().statusText(), "Level Complete");
  }

  GameProofFile storedProof() {
    GameProofFile file(app_->player());
    file.load();
    return file;
  }
};

// Level 2's solution starts with a turn or more before its half.
constexpr size_t kHalf = 6;

TEST_F(GameProofContinueTest, ALevelLeftHalfWayIsStillProvenWhenContinued) {
  const std::string two = solutionOfLevelTwo();
  ASSERT_GT(two.size(), kHalf);
  ASSERT_NE(two.substr(0, kHalf).find_first_of("<>"), std::string::npos);
  const auto cursor = leaveLevelTwoAfter(kHalf);
  EXPECT_EQ(storedProof().levelInProgress().moves, two.substr(0, kHalf));

  openGame(ScreenId::ContinueGame);
  EXPECT_EQ(game().moves.substr(0, kHalf), two.substr(0, kHalf))
      << "the level's moves so far, then the cursor's way to where a continued game puts it";
  finishLevelTwo(cursor, kHalf);
  const GameProofFile proof = storedProof();
  ASSERT_EQ(proof.proof().levels.size(), 2u);
  EXPECT_TRUE(proof.levelInProgress().empty());
  EXPECT_FALSE(checkProof(proof.proof())) << "every level replays";
  EXPECT_TRUE(app_->player().records().level(1).solved) << "a continued level sets a record too";
}

TEST_F(GameProofContinueTest, MovesThatDoNotGiveTheSavedBoardLeaveTheLevelUnproven) {
  const auto cursor = leaveLevelTwoAfter(kHalf);
  {
    GameProofFile file = storedProof();
    file.keepLevelInProgress(1, {"<", false});  // another board
  }
  openGame(ScreenId::ContinueGame);
  EXPECT_EQ(game().moves, "");
  CapturedStderr errors;
  finishLevelTwo(cursor, kHalf);
  EXPECT_NE(errors.take().find("the solve of level 2 cannot be kept as proof"), std::string::npos);
  EXPECT_EQ(storedProof().proof().levels.size(), 1u);
  EXPECT_FALSE(app_->player().records().level(1).solved);
  press(kKeyHash);
  EXPECT_EQ(screen().statusText(), "Level 3 or 72") << "the game plays on";
}

// A hint shown before the game was left still counts when it goes on: the
// level's solve sets no record.
TEST_F(GameProofContinueTest, AHintedLevelStaysHintedWhenContinued) {
  openGame(ScreenId::NewGame);
  platform_.post(platform::keyMessage(platform::kMessageKeyDown, platform::letterKey('H')));
  platform_.post(platform::keyMessage(platform::kMessageKeyUp, platform::letterKey('H')));
  runFrames(5);
  ASSERT_TRUE(game().hintUsed);
  quitGame();
  EXPECT_TRUE(storedProof().levelInProgress().hintUsed);
  openGame(ScreenId::ContinueGame);
  playKeys(levelSolutions()[0]);
  ASSERT_EQ(screen().statusText(), "Level Complete");
  EXPECT_TRUE(app_->player().records().level(0).hinted);
  EXPECT_FALSE(app_->player().records().level(0).solved);
  EXPECT_EQ(storedProof().proof().levels.size(), 1u) << "a hinted level is proven all the same";
}

// A damaged "save.dat" is set aside and Continue starts a new game, as the
// phone's does; the proof of the levels already solved stays, so that the
// score they earned can still be proven.
TEST_F(GameProofContinueTest, TheProofOfTheSolvedLevelsSurvivesADamagedSave) {
  leaveLevelTwoAfter(kHalf);
  const std::vector<uint8_t> damaged = {'s', 'a', 'v', 'e'};
  folder_.write("save.dat", damaged);
  CapturedStderr errors;
  openGame(ScreenId::ContinueGame);
  const std::string said = errors.take();
  EXPECT_NE(said.find("save.dat' is damaged"), std::string::npos) << said;
  EXPECT_EQ(folder_.read("save.dat.damaged"), damaged);
  EXPECT_EQ(screen().statusText(), "Level 1 or 72");
  EXPECT_EQ(storedProof().proof().levels.size(), 1u);
  quitGame();
  const GameProofFile proof = storedProof();
  EXPECT_EQ(proof.proof().levels.size(), 1u);
  EXPECT_TRUE(proof.proofOfScore(1)) << "the score of level 1 is still proven";
}

}  // namespace
}  // namespace bt::test
