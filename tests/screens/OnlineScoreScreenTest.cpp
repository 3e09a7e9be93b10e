#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "app/DailyBook.h"
#include "app/DataFiles.h"
#include "app/GameProofFile.h"
#include "app/RecordBook.h"
#include "app/WorldBests.h"
#include "game/LevelData.h"
#include "game/LevelPar.h"
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
    app_->player().scores().setHighlighted(highlighted);
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

  // The requests the server got after the n-th, as "METHOD TARGET".
  std::vector<std::string> requestsFrom(size_t n) {
    std::vector<std::string> lines;
    const std::vector<ReceivedRequest> all = server_.requests();
    for (size_t i = n; i < all.size(); ++i) lines.push_back(all[i].method + " " + all[i].target);
    return lines;
  }
  // The exchange run to its end, the frame after taking what it brought.
  void exchange(ExchangeStatus last = ExchangeStatus::Complete) {
    screen().notify(ExchangeStatus::Idle);  // the last exchange's report gone
    app_->keyDown(kKeyRightSoft);
    ASSERT_TRUE(waitForStatus(last));
    runFrames(1);
  }
  RecordBook storedRecords() {
    const std::optional<RecordBook> book = RecordBook::decode(folder_.read(kRecordsFile));
    EXPECT_TRUE(book);
    return book.value_or(RecordBook{});
  }
  WorldBests storedWorldBests() {
    const std::optional<WorldBests> bests = WorldBests::decode(folder_.read(kWorldBestsFile));
    EXPECT_TRUE(bests);
    return bests.value_or(WorldBests{});
  }

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
  app_->player().scores().entries[4].score = 100;
  app_->player().scores().setEntryName(4, "KIM");
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Complete));
  EXPECT_EQ(screen().statusText(), "Complete.");
  runFrames(2);
  EXPECT_EQ(rightCaption(), "CONNECT");
  const ScoreTable& table = app_->player().scores();
  EXPECT_EQ(std::string(table.entries[0].name.data()), "NET10");
  EXPECT_EQ(table.entries[9].score, 1);
  EXPECT_EQ(table.getHighlighted(), -1);
  EXPECT_EQ(
      requestsFrom(0),
      (std::vector<std::string>{
          "POST /highscorescript/highscore.asp?game=brambletop&init=KIM&score=100&special=1232",
          "GET /records/brambletop"}))
      << "the world's bests follow the score";

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
  EXPECT_EQ(app_->player().scores().entries[0].score, 0);

  app_->keyDown(kKeyRightSoft);  // CONNECT again
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Complete));
  runFrames(1);  // the frame after the report takes the table
  EXPECT_EQ(app_->player().scores().entries[0].score, 10);
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
  EXPECT_EQ(app_->player().scores().entries[0].score, 0);
}

// The row goes with the proof of its score from "proof.dat"; a refusal shows
// the phone's failure text, and its reason goes to standard error only.
TEST_F(OnlineScoreScreenTest, TheRowCarriesItsProofAndARefusalIsToldBesideThePicture) {
  open(4);
  GameProofFile proof(app_->player());
  proof.clear();
  proof.levelSolved(0, levelSolutions()[0]);
  app_->player().scores().entries[4].score = 1;
  app_->player().scores().setEntryName(4, "KIM");
  server_.answer(403, "the moves of level 1 do not solve it\n");
  CapturedStderr errors;
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Failed));
  EXPECT_EQ(errors.take(),
            "brambletop: the score server answered 403: the moves of level 1 do not solve it\n");
  EXPECT_EQ(screen().statusText(), "An error occured. Please try later.");
  ASSERT_GE(server_.requests().size(), 1u);
  EXPECT_EQ(server_.requests()[0].body, "proof=" + std::string(levelSolutions()[0]));
  EXPECT_EQ(app_->player().scores().getHighlighted(), 4) << "kept for another try";

  // A score the proof does not reach goes without it, as the phone's did.
  app_->player().scores().entries[4].score = 2;
  waitForRequests(2);
  const size_t before = server_.requests().size();
  app_->keyDown(kKeyRightSoft);
  ASSERT_TRUE(waitForStatus(ExchangeStatus::Failed));
  waitForRequests(before + 1);
  ASSERT_GT(server_.requests().size(), before);
  EXPECT_EQ(server_.requests()[before].body, "OK");
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

// The player's unsent records go after the exchange's own request, and the
// world's bests are fetched; neither changes what the screen shows. A record
// the server took or refused for good is not sent again; one without a
// settling answer goes with the next exchange.
TEST_F(OnlineScoreScreenTest, UnsentRecordsFollowTheRequestAndSettledOnesStaySent) {
  open();
  const std::string one(levelSolutions()[0]), two(levelSolutions()[1]), three(levelSolutions()[2]);
  RecordBook& records = app_->player().records();
  records.noteSolve(0, "<>" + one, false);
  records.noteSolve(1, two, false);
  records.noteSolve(2, three, false);
  records.noteSolve(3, std::string(levelSolutions()[3]), true);  // hinted: no record
  app_->player().scores().setEntryName(-1, "KIM");               // the initials typed last
  server_.answerRecords("POST /records/brambletop/1", 200, "9 KIM\n");
  server_.answerRecords("POST /records/brambletop/2", 403, "the moves do not solve level 2\n");
  server_.answerRecords("POST /records/brambletop/3", 503, "the score table cannot be reached\n");
  const int32_t par5 = levelPar(4);
  server_.answerRecords("GET /records/brambletop", 200,
                        "1 9 KIM\n5 " + std::to_string(par5) + " ANN\n");

  exchange();
  EXPECT_EQ(screen().statusText(), "Complete.");
  EXPECT_EQ(requestsFrom(1),
            (std::vector<std::string>{"POST /records/brambletop/1", "POST /records/brambletop/2",
                                      "POST /records/brambletop/3", "GET /records/brambletop"}));
  EXPECT_EQ(server_.requests()[1].body, "name=KIM&moves=<>" + one);
  RecordBook stored = storedRecords();
  EXPECT_TRUE(stored.level(0).sent) << "kept by the server";
  EXPECT_TRUE(stored.level(1).sent) << "refused for good";
  EXPECT_FALSE(stored.level(2).sent) << "no settling answer";
  WorldBests world = storedWorldBests();
  ASSERT_NE(world.level(0), nullptr);
  EXPECT_EQ(*world.level(0), (WorldBest{9, "KIM"}));
  ASSERT_NE(world.level(4), nullptr);
  EXPECT_EQ(*world.level(4), (WorldBest{par5, "ANN"}));

  // The next exchange sends only the record still unsent; a failed fetch of
  // the world's bests leaves the ones known.
  server_.answerRecords("POST /records/brambletop/3", 200, "21 KIM\n");
  server_.answerRecords("GET /records/brambletop", 503, "busy\n");
  const size_t before = server_.requests().size();
  exchange();
  EXPECT_EQ(requestsFrom(before + 1),
            (std::vector<std::string>{"POST /records/brambletop/3", "GET /records/brambletop"}));
  EXPECT_TRUE(storedRecords().level(2).sent);
  world = storedWorldBests();
  EXPECT_NE(world.level(4), nullptr);

  // A solve no better leaves nothing to send; a better record of a settled
  // level goes again.
  size_t later = server_.requests().size();
  records.noteSolve(0, "><" + one, false);
  exchange();
  EXPECT_EQ(requestsFrom(later + 1), std::vector<std::string>{"GET /records/brambletop"});
  later = server_.requests().size();
  records.noteSolve(0, one, false);
  exchange();
  EXPECT_EQ(requestsFrom(later + 1),
            (std::vector<std::string>{"POST /records/brambletop/1", "GET /records/brambletop"}));
  EXPECT_EQ(server_.requests()[later + 1].body, "name=KIM&moves=" + one);
  EXPECT_TRUE(storedRecords().level(0).sent);
}

// A daily puzzle's best goes first, under its id, and is marked sent in
// "daily.dat" once the server settled it.
TEST_F(OnlineScoreScreenTest, TheDailyBestGoesUnderItsIdUntilTheServerSettlesIt) {
  open();
  // Side 5, one marker a clockwise turn of the first ring from its tile.
  const Level puzzle{5, {{2, 1, 1}}, {{3, 1, 1}}};
  ASSERT_TRUE(
      app_->player().daily().noteSolve("2026-12-10", "5c1p1e-00000", puzzle, 1, ">", false));
  app_->player().records().noteSolve(0, std::string(levelSolutions()[0]), false);
  app_->player().scores().setEntryName(-1, "KIM");
  server_.answerRecords("POST /records/brambletop/5c1p1e-00000", 503, "busy\n");
  server_.answerRecords("POST /records/brambletop/1", 200, "9 KIM\n");
  server_.answerRecords("GET /records/brambletop", 200, "");
  exchange();
  EXPECT_EQ(requestsFrom(1),
            (std::vector<std::string>{"POST /records/brambletop/5c1p1e-00000",
                                      "POST /records/brambletop/1", "GET /records/brambletop"}));
  EXPECT_EQ(server_.requests()[1].body, "name=KIM&moves=>");
  EXPECT_EQ(app_->player().daily().unsent().size(), 1u) << "no settling answer";

  server_.answerRecords("POST /records/brambletop/5c1p1e-00000", 200, "1 KIM\n");
  const size_t before = server_.requests().size();
  exchange();
  EXPECT_EQ(requestsFrom(before + 1),
            (std::vector<std::string>{"POST /records/brambletop/5c1p1e-00000",
                                      "GET /records/brambletop"}));
  const std::optional<DailyBook> stored = DailyBook::decode(folder_.read(kDailyFile));
  ASSERT_TRUE(stored);
  EXPECT_TRUE(stored->unsent().empty());
}

// Without initials the server keeps, the records wait; the world's bests
// are fetched all the same, even when the exchange's own request fails.
TEST_F(OnlineScoreScreenTest, RecordsWaitForANameTheServerKeeps) {
  open();
  app_->player().records().noteSolve(0, std::string(levelSolutions()[0]), false);
  server_.answerRecords("GET /records/brambletop", 200, "1 9 ANN\n");
  server_.answer(503, "down\n");
  CapturedStderr errors;
  for (const char* initials : {"", "K.M"}) {
    SCOPED_TRACE(initials);
    app_->player().scores().setEntryName(-1, initials);
    const size_t before = server_.requests().size();
    exchange(ExchangeStatus::Failed);
    EXPECT_EQ(screen().statusText(), "An error occured. Please try later.");
    EXPECT_EQ(requestsFrom(before + 1), std::vector<std::string>{"GET /records/brambletop"});
    EXPECT_FALSE(app_->player().records().level(0).sent);
  }
  const WorldBests world = storedWorldBests();
  ASSERT_NE(world.level(0), nullptr);
  EXPECT_EQ(world.level(0)->name, "ANN");
}

}  // namespace
}  // namespace bt::test
