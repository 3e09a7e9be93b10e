#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "app/GameProofFile.h"
#include "game/LevelData.h"
#include "gfx/Colour.h"
#include "screens/OnlineScoreScreen.h"
#include "screens/ProgramScreensFixture.h"
#include "support/BlockFont.h"
#include "support/CapturedStderr.h"
#include "support/LocalHttpServer.h"

namespace bt::test {
namespace {

using namespace std::chrono_literals;

// The program's screens, the online score screen against a real local
// server. No interface art: the items slide unseen.
class OnlineScoreScreenTest : public ProgramScreensTest {
 protected:
  OnlineScoreScreenTest() {
    EXPECT_TRUE(writeBlockFont(folder_.path()));
    std::string body;
    for (int i = 1; i <= 10; ++i) body += std::to_string(i) + " NET" + std::to_string(i) + " ";
    server_.answer(200, body);
    scoreServer_.port = static_cast<uint16_t>(server_.port());
    scoreServer_.timeout = 60s;  // a silent server holds the exchange
  }

  OnlineScoreScreen& open(int32_t highlighted = -1) {
    start();
    runFrames(1);
    app_->scores().setHighlighted(highlighted);
    app_->requestScreen(ScreenId::OnlineScores);
    runFrames(40);  // the switch and the items sliding in
    return screen();
  }

  OnlineScoreScreen& screen() { return *static_cast<OnlineScoreScreen*>(app_->currentScreen()); }

  // Runs frames (letting the worker run between them) until the status; the
  // table of a completed exchange is taken by the frame after.
  bool waitForStatus(ExchangeStatus status) {
    for (int i = 0; i < 2000; ++i) {
      runFrames(1);
      if (screen().status() == status) return true;
      std::this_thread::sleep_for(2ms);
    }
    return false;
  }

  void waitForRequests(size_t count) {
    for (int i = 0; i < 2000 && server_.requests().size() < count; ++i) {
      std::this_thread::sleep_for(2ms);
    }
  }

  // "CONNECT" and "STOP" are centred on the right button at W/2 + 46.
  std::string rightCaption() {
    const bool connect = pixel(166 - 41 / 2, 208) == kTextGrey;
    const bool stop = pixel(166 - 23 / 2, 208) == kTextGrey && pixel(166 - 41 / 2, 208) == 0;
    return connect ? "CONNECT" : stop ? "STOP" : "?";
  }

  uint16_t pixel(int x, int y) { return app_->frameBuffer().pixel(x, y); }

  LocalHttpServer server_;
};

TEST_F(OnlineScoreScreenTest, TheIdleTextFollowsTheHighlight) {
  EXPECT_EQ(open().statusText(), "Select connect to get the scores.");
  EXPECT_EQ(rightCaption(), "CONNECT");
  EXPECT_EQ(pixel(120 - 46 - 23 / 2, 208), kTextGrey) << "DONE on its button";
  app_.reset();
  EXPECT_EQ(open(3).statusText(), "Select connect to submit your\nhighest score");
}

TEST_F(OnlineScoreScreenTest, ASubmissionCompletesAndItsTableIsTaken) {
  open(4);
  app_->scores().entries[4].score = 100;
  app_->scores().setEntryName(4, "KIM");
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Complete));
  EXPECT_EQ(screen().statusText(), "Complete.");
  runFrames(2);
  EXPECT_EQ(rightCaption(), "CONNECT");
  const ScoreTable& table = app_->scores();
  EXPECT_EQ(std::string(table.entries[0].name.data()), "NET10");
  EXPECT_EQ(table.entries[9].score, 1);
  EXPECT_EQ(table.getHighlighted(), -1);
  ASSERT_EQ(server_.requests().size(), 1u);
  EXPECT_EQ(server_.requests()[0].target,
            "/highscorescript/highscore.asp?game=brambletop&init=KIM&score=100&special=1232");

  created_.clear();
  app_->keyDown(kKeyLeftSoft);
  runFrames(12);
  EXPECT_EQ(created_, std::vector<int>{static_cast<int>(ScreenId::ScoreTable)})
      << "DONE returns to the table";
}

TEST_F(OnlineScoreScreenTest, StopCancelsAndReturnsToIdle) {
  open();
  server_.setSilent(true);
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Exchanging));
  waitForRequests(1);
  runFrames(1);
  EXPECT_EQ(rightCaption(), "STOP");
  app_->keyDown(kKeyRightSoft);
  EXPECT_EQ(screen().status(), ExchangeStatus::Idle);
  EXPECT_EQ(screen().statusText(), "Select connect to get the scores.");
  server_.setSilent(false);  // the server answers the closed connection
  std::this_thread::sleep_for(50ms);
  runFrames(3);
  EXPECT_EQ(screen().status(), ExchangeStatus::Idle) << "the stopped worker reports nothing";
  EXPECT_EQ(rightCaption(), "CONNECT");
  EXPECT_EQ(app_->scores().entries[0].score, 0);

  app_->keyDown(kKeyRightSoft);  // CONNECT again
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Complete));
  runFrames(1);  // the frame after the report takes the table
  EXPECT_EQ(app_->scores().entries[0].score, 10);
  EXPECT_EQ(platform_.headlessNetwork().dataConnectionsOpened(), 1) << "reused";
}

TEST_F(OnlineScoreScreenTest, LeavingDuringAnExchangeEndsItAndKeepsTheTable) {
  open();
  server_.setSilent(true);
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Exchanging));
  waitForRequests(1);
  created_.clear();
  const auto begin = std::chrono::steady_clock::now();
  app_->keyDown(kKeyLeftSoft);
  runFrames(12);
  EXPECT_LT(std::chrono::steady_clock::now() - begin, 5s) << "cancelled, not timed out";
  EXPECT_EQ(created_, std::vector<int>{static_cast<int>(ScreenId::ScoreTable)});
  EXPECT_EQ(app_->scores().entries[0].score, 0);
}

// The row goes with the proof of its score from "proof.dat"; a refusal shows
// the phone's failure text, and its reason goes to standard error only.
TEST_F(OnlineScoreScreenTest, TheRowCarriesItsProofAndARefusalIsToldBesideThePicture) {
  open(4);
  GameProofFile proof(*app_);
  proof.clear();
  proof.levelSolved(0, levelSolutions()[0]);
  app_->scores().entries[4].score = 1;
  app_->scores().setEntryName(4, "KIM");
  server_.answer(403, "the moves of level 1 do not solve it\n");
  CapturedStderr errors;
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Failed));
  EXPECT_EQ(errors.take(),
            "brambletop: the score server answered 403: the moves of level 1 do not solve it\n");
  EXPECT_EQ(screen().statusText(), "An error occured. Please try later.");
  ASSERT_EQ(server_.requests().size(), 1u);
  EXPECT_EQ(server_.requests()[0].body, "proof=" + std::string(levelSolutions()[0]));
  EXPECT_EQ(app_->scores().getHighlighted(), 4) << "kept for another try";

  // A score the proof does not reach goes without it, as the phone's did.
  app_->scores().entries[4].score = 2;
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Failed));
  waitForRequests(2);
  ASSERT_EQ(server_.requests().size(), 2u);
  EXPECT_EQ(server_.requests()[1].body, "OK");
}

TEST_F(OnlineScoreScreenTest, AFailureShowsItsTextAndThenStandsStill) {
  open();
  platform_.headlessNetwork().refuseDataConnection(true);
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Failed));
  EXPECT_EQ(screen().statusText(), "An error occured. Please try later.");
  runFrames(1);
  EXPECT_EQ(rightCaption(), "CONNECT");
  const int presents = platform_.headlessDisplay().presentCount();
  runFrames(20);
  EXPECT_EQ(platform_.headlessDisplay().presentCount(), presents);
  EXPECT_TRUE(server_.requests().empty());
}

}  // namespace
}  // namespace bt::test
