// Records of the daily puzzles on the service with a store in memory and a
// clock of the test's: checked by replaying the puzzle each day's id makes,
// taken for the last 30 days only, each puzzle made once, and today's and
// yesterday's tables on the page with their par. The days are chosen so
// that their puzzles are quick to make (sides 5 and 6).
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "DailyPuzzleWarmer.h"
#include "MemoryStore.h"
#include "ScoreService.h"
#include "game/DailyPuzzle.h"
#include "game/LevelData.h"
#include "game/PuzzleGenerator.h"

namespace bt::scored {
namespace {

using namespace std::chrono;

system_clock::time_point noonOf(const char* date) {
  return sys_days(days(puzzle::daysSinceEpoch(*puzzle::parseDate(date)))) + hours(12);
}

std::string dailyId(const char* date) {
  return puzzle::dailyPuzzleId(*puzzle::parseDate(date));
}

// The generator's own solution of the day's puzzle.
std::string solutionOf(const std::string& id) {
  return puzzle::generatePuzzle(*puzzle::parsePuzzleId(id)).solution;
}

class DailyRecordsTest : public ::testing::Test {
 protected:
  ScoreReply send(const std::string& method, const std::string& path, const std::string& body,
                  const char* address = "192.0.2.1") {
    return service_.handle({method, path, "", body, body.size(), address});
  }
  ScoreReply post(const std::string& id, const std::string& name, const std::string& moves) {
    return send("POST", "/records/brambletop/" + id, "name=" + name + "&moves=" + moves);
  }
  ScoreReply get(const std::string& path) { return send("GET", path, ""); }

  // Tuesday: a side-6 puzzle; yesterday's has side 5.
  system_clock::time_point now_ = noonOf("2026-12-08");
  test::MemoryStore store_;
  SubmissionRateLimit limit_;
  ScoreService service_{store_, limit_, false, [this] { return now_; }};
  const std::string today_ = dailyId("2026-12-08");
  const std::string yesterday_ = dailyId("2026-12-07");
};

TEST_F(DailyRecordsTest, ARecordMustSolveTheDaysPuzzle) {
  const std::string solution = solutionOf(today_);
  const std::string count = std::to_string(solution.size());
  const ScoreReply kept = post(today_, "ANN", solution);
  EXPECT_EQ(kept.status, 200) << kept.body;
  EXPECT_EQ(kept.body, count + " ANN\nplayers " + count + " 1\nplayers all 1\n");
  EXPECT_EQ(post(today_, "BOB", "LR" + solution).status, 200);
  EXPECT_EQ(get("/records/brambletop/" + today_).body,
            count + " ANN\nplayers " + count + " 1\nplayers " +
                std::to_string(solution.size() + 2) + " 1\nplayers all 2\n");

  const std::string other = solutionOf(yesterday_);
  const struct {
    const char* what;
    std::string id, body;
    int status;
  } refused[] = {
      {"yesterday's solution", today_, "name=CY&moves=" + other, 403},
      {"a move after the solve", today_, "name=CY&moves=" + solution + "<", 403},
      {"one move short", today_, "name=CY&moves=" + solution.substr(0, solution.size() - 1), 403},
      {"a level's moves", today_, "name=CY&moves=" + std::string(levelSolutions()[0]), 403},
      {"moves outside the notation", today_, "name=CY&moves=UUx", 400},
      {"a name outside the alphabet", today_, "name=c y&moves=" + solution, 400},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    const ScoreReply reply = send("POST", "/records/brambletop/" + c.id, c.body);
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(std::count(reply.body.begin(), reply.body.end(), '\n'), 1) << reply.body;
  }
  EXPECT_EQ(send("POST", "/records/brambletop/" + today_, "name=CY&moves=" + other).body,
            "the moves do not solve puzzle " + today_ + "\n");
  EXPECT_EQ(store_.records.size(), 2u) << "the refusals kept nothing";
}

// Records are taken for the daily puzzles of the last 30 days only; a day
// that falls out of them keeps its records, which are no longer listed.
TEST_F(DailyRecordsTest, OnlyTheLastThirtyDaysTakeRecordsAndOlderOnesAreKeptUnlisted) {
  const std::string oldest = dailyId("2026-11-09");  // 29 days before: a Monday
  const std::string oldestSolution = solutionOf(oldest);
  EXPECT_EQ(post(oldest, "ANN", oldestSolution).status, 200);
  const struct {
    const char* what;
    std::string path;
    int status;
  } refused[] = {
      {"30 days before", "/records/brambletop/" + dailyId("2026-11-08"), 403},
      {"tomorrow: not yet", "/records/brambletop/" + dailyId("2026-12-09"), 425},
      {"30 days ahead: not yet", "/records/brambletop/" + dailyId("2027-01-07"), 425},
      {"31 days ahead", "/records/brambletop/" + dailyId("2027-01-08"), 403},
      {"a puzzle that is no daily one", "/records/brambletop/5c2p3m-aaaaa", 403},
      {"an id in upper case",
       "/records/brambletop/" +
           [&] {
             std::string upper = today_;
             for (char& c : upper)
               c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
             return upper;
           }(),
       404},
      {"no puzzle", "/records/brambletop/11c3p6m-aaaaa", 404},
      {"the list", "/records/brambletop/daily", 405},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    const ScoreReply reply = send("POST", c.path, "name=CY&moves=" + oldestSolution);
    EXPECT_EQ(reply.status, c.status) << reply.body;
    EXPECT_EQ(std::count(reply.body.begin(), reply.body.end(), '\n'), 1) << reply.body;
  }
  EXPECT_NE(send("POST", "/records/brambletop/" + dailyId("2026-11-08"), "name=CY&moves=L")
                .body.find("is not the daily puzzle of one of the last 30 days"),
            std::string::npos);
  // A player whose day is ahead of the server's keeps the record to send it
  // again: it is taken once the server's day has come.
  const std::string tomorrow = dailyId("2026-12-09");
  const std::string early = solutionOf(tomorrow);
  EXPECT_EQ(post(tomorrow, "EARLY", early).body,
            tomorrow +
                " is the daily puzzle of 2026-12-09, after the server's today "
                "(2026-12-08): send it again then\n");
  now_ += days(1);
  EXPECT_EQ(post(tomorrow, "EARLY", early).status, 200);
  now_ -= days(1);

  // The list: the 30 days, today first, each with its best where it has one.
  std::string list = get("/records/brambletop/daily").body;
  EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 31);
  EXPECT_TRUE(list.starts_with("2026-12-08 " + today_ + "\n2026-12-07 " + yesterday_ + "\n"))
      << list;
  const std::string oldestCount = std::to_string(oldestSolution.size());
  EXPECT_TRUE(list.ends_with("2026-11-09 " + oldest + " " + oldestCount + " ANN\nplayers " +
                             oldest + " 1 1\n"))
      << list;

  now_ += days(1);
  list = get("/records/brambletop/daily").body;
  EXPECT_TRUE(list.starts_with("2026-12-09 ")) << list;
  EXPECT_EQ(list.find(oldest), std::string::npos) << "no longer listed";
  EXPECT_TRUE(get("/records/brambletop/" + oldest).body.starts_with(oldestCount + " ANN\n"))
      << "but kept";
  EXPECT_EQ(post(oldest, "BOB", oldestSolution).status, 403) << "and closed";
}

// However many ask at once, a day's puzzle is made once; the page makes
// today's and yesterday's and shows them with their par.
TEST_F(DailyRecordsTest, EachPuzzleIsMadeOnceAndThePageShowsTodayAndYesterday) {
  const std::string solution = solutionOf(today_);
  std::vector<std::thread> clients;
  std::array<int, 4> statuses{};
  for (size_t i = 0; i < statuses.size(); ++i) {
    clients.emplace_back([&, i] {
      std::string name = "P";  // GCC 12 warns falsely on "P" + to_string here
      name += std::to_string(i);
      const std::string address = "192.0.2." + std::to_string(10 + i);
      statuses[i] = send("POST", "/records/brambletop/" + today_,
                         "name=" + name + "&moves=" + solution, address.c_str())
                        .status;
    });
  }
  for (std::thread& client : clients) client.join();
  EXPECT_EQ(statuses, (std::array<int, 4>{200, 200, 200, 200}));
  EXPECT_EQ(service_.dailyPuzzles().madeCount(), 1);

  service_.serveScoresPage();
  const ScoreReply page = get("/scores");
  ASSERT_EQ(page.status, 200);
  EXPECT_EQ(service_.dailyPuzzles().madeCount(), 2) << "yesterday's too, once";
  get("/scores");
  EXPECT_EQ(service_.dailyPuzzles().madeCount(), 2);
  const puzzle::GeneratedPuzzle made = puzzle::generatePuzzle(*puzzle::parsePuzzleId(today_));
  const std::string parText =
      ", par " + std::to_string(made.par) + (made.proven ? "" : " (the best found)") + "</p>";
  EXPECT_NE(page.body.find("<h2>Today's puzzle, 2026-12-08</h2>\n<p>" + today_ + parText),
            std::string::npos)
      << page.body;
  const std::string count = std::to_string(solution.size());
  EXPECT_NE(page.body.find("<td class=\"n\">" + count +
                           (made.par == int(solution.size()) ? " (par)" : "") +
                           "</td><td class=\"n\">4</td>"),
            std::string::npos)
      << page.body;
  EXPECT_NE(page.body.find("First to " + count + " moves: P"), std::string::npos);
  EXPECT_NE(page.body.find(". 4 solved it."), std::string::npos);
  EXPECT_NE(page.body.find("<h2>Yesterday's puzzle, 2026-12-07</h2>\n<p>" + yesterday_ + ", par "),
            std::string::npos);
  EXPECT_NE(page.body.find("No records yet."), std::string::npos) << "yesterday has none";
  EXPECT_LT(page.body.find("Yesterday's puzzle"), page.body.find("Every level"));
}

// The warmer makes today's and yesterday's puzzles before anyone asks, so
// the first page of the day makes none; it ends at once when stopped.
TEST_F(DailyRecordsTest, TheWarmerMakesTheLatestPuzzlesBeforeAnyoneAsks) {
  {
    DailyPuzzleWarmer warmer(service_.dailyPuzzles(), milliseconds(0), milliseconds(10));
    const auto deadline = steady_clock::now() + seconds(60);
    while (service_.dailyPuzzles().madeCount() < 2 && steady_clock::now() < deadline) {
      std::this_thread::sleep_for(milliseconds(5));
    }
    EXPECT_EQ(service_.dailyPuzzles().madeCount(), 2);
    service_.serveScoresPage();
    EXPECT_EQ(get("/scores").status, 200);
    EXPECT_EQ(service_.dailyPuzzles().madeCount(), 2) << "the page made none";
  }
  EXPECT_EQ(service_.dailyPuzzles().madeCount(), 2) << "nothing made twice over the minutes";
}

// The submission limit counts levels' and puzzles' records together; a
// stopping server makes no more puzzles.
TEST_F(DailyRecordsTest, RecordsShareTheirLimitAndAStopEndsTheMaking) {
  for (int i = 0; i < 30; ++i) {
    ASSERT_EQ(send("POST", "/records/brambletop/1",
                   "name=N" + std::to_string(i) + "&moves=" + std::string(levelSolutions()[0]))
                  .status,
              200);
  }
  EXPECT_EQ(post(today_, "LATE", "L").status, 429);

  ScoreService stopping(store_, limit_, false, [this] { return now_; });
  stopping.stopWaiting();
  const ScoreReply reply = stopping.handle(
      {"POST", "/records/brambletop/" + yesterday_, "", "name=A&moves=L", 14, "192.0.2.2"});
  EXPECT_EQ(reply.status, 503);
  EXPECT_EQ(reply.body, "the server is stopping\n");
}

}  // namespace
}  // namespace bt::scored
