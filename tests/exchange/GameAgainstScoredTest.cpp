// The game's own score client against the real score server: what one
// submits, the other keeps, and the table the player then sees is the
// server's.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "app/ShellFixture.h"
#include "net/HighScoreClient.h"
#include "server/ScoredProcess.h"

namespace bt::test {
namespace {

using namespace std::chrono_literals;

// Waits for the worker's last report, made from its own thread.
class EndListener : public Screen {
 public:
  using Screen::Screen;
  void notify(int32_t status) override {
    std::lock_guard<std::mutex> lock(mutex_);
    last_ = status;
    changed_.notify_all();
  }
  int32_t waitForEnd() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, 20s, [this] { return last_ == 3 || last_ == 4; });
    return std::exchange(last_, 0);
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int32_t last_ = 0;
};

class GameAgainstScoredTest : public ShellTest {
 protected:
  GameAgainstScoredTest() {
    start();
    listener_ = std::make_unique<EndListener>(*app_);
    ScoreServer server;
    server.port = static_cast<uint16_t>(scored_.port());
    client_.setServer(server);
    client_.setGameId(kScoreGameId);
    client_.setScoreTable(&app_->scores());
  }

  int32_t exchange() {
    EXPECT_TRUE(client_.start(*listener_));
    const int32_t status = listener_->waitForEnd();
    client_.stop();
    client_.applyReceived();
    return status;
  }

  std::string name(int row) { return app_->scores().entries[row].name.data(); }

  bt::scored::test::TempDatabaseFile database_;
  bt::scored::test::ScoredProcess scored_{{"--db", database_.path(), "--quiet"}};
  std::unique_ptr<EndListener> listener_;
  HighScoreClient client_{platform_.network()};
};

TEST_F(GameAgainstScoredTest, FetchesSubmitsAndGetsTheServersTableBack) {
  ASSERT_NE(scored_.port(), 0) << scored_.errorOutput();
  ScoreTable& table = app_->scores();

  table.entries[0].score = 5;  // a local row the server does not know
  ASSERT_EQ(exchange(), 3);
  EXPECT_EQ(table.entries[0].score, 0) << "an empty server's padded table replaces ours";
  EXPECT_EQ(name(0), "AAAAAAAAAAAAAAA");

  for (auto [who, score] : {std::pair{"ANNA", 7}, {"BO", 12}, {"ANNA", 3}}) {
    SCOPED_TRACE(who);
    table.setEntryName(4, who);
    table.entries[4].score = score;
    table.setHighlighted(4);
    ASSERT_EQ(exchange(), 3);
    EXPECT_EQ(table.getHighlighted(), -1);
  }
  EXPECT_EQ(name(0), "BO");
  EXPECT_EQ(table.entries[0].score, 12);
  EXPECT_EQ(name(1), "ANNA");
  EXPECT_EQ(table.entries[1].score, 7) << "a name keeps its best";
  EXPECT_EQ(table.entries[2].score, 0);
}

}  // namespace
}  // namespace bt::test
