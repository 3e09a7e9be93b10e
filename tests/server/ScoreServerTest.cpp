// The server as the game sees it, on each backend: the table's order and
// padding, each name's best, and every refusal changing nothing.
#include <gtest/gtest.h>

#include <thread>

#include "ScoreRequests.h"
#include "ScoredProcess.h"
#include "TestDatabase.h"

namespace bt::scored::test {
namespace {

const std::string kPad = "0 AAAAAAAAAAAAAAA";
// The score path's body limit: "proof=" and a whole game's proof, with room.
constexpr size_t kScoreBodyLimit = 33 * 1024;

class ScoreServerTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    database_ = std::make_unique<TestDatabase>(GetParam());
    if (database_->location().empty()) GTEST_SKIP() << "no test PostgreSQL server";
    server_ = std::make_unique<ScoredProcess>(
        std::vector<std::string>{"--db", database_->location(), "--quiet", "--accept-unproven"});
    ASSERT_NE(server_->port(), 0) << server_->errorOutput();
  }

  httplib::Client client() { return clientFor(server_->port()); }

  std::unique_ptr<TestDatabase> database_;
  std::unique_ptr<ScoredProcess> server_;
};

TEST_P(ScoreServerTest, AnEmptyTableIsTenPaddingPairs) {
  auto c = client();
  const Answer answer = post(c, fetchQuery("brambletop"));
  EXPECT_EQ(answer.status, 200);
  EXPECT_EQ(answer.body, [] {
    std::string ten;
    for (int i = 0; i < 10; ++i) ten += kPad + "\n";
    return ten;
  }());
}

TEST_P(ScoreServerTest, SubmissionsRankAndEachNameKeepsItsBest) {
  auto c = client();
  for (auto [name, score] : std::vector<std::pair<std::string, int>>{
           {"ANN", 300}, {"BOB", 500}, {"CAT", 100}, {"ANN", 200}, {"DAN", 500}, {"BOB", 700}}) {
    SCOPED_TRACE(name + numbered(" ", score));
    ASSERT_EQ(post(c, submitQuery("brambletop", name, score)).status, 200);
  }
  // Another game's table is its own.
  ASSERT_EQ(post(c, submitQuery("other", "ZED", 999)).status, 200);
  const Answer answer = post(c, fetchQuery("brambletop"));
  ASSERT_EQ(answer.status, 200);
  // ANN keeps 300 over her later 200; DAN ties BOB's old 500 but BOB moved on.
  EXPECT_EQ(bestFirst(answer.body),
            (std::vector<std::string>{"700 BOB", "500 DAN", "300 ANN", "100 CAT", kPad, kPad, kPad,
                                      kPad, kPad, kPad}));
}

TEST_P(ScoreServerTest, OnlyTheTenBestAreSentAndTiesGoToTheFirst) {
  auto c = client();
  for (int i = 0; i < 12; ++i) {
    ASSERT_EQ(post(c, submitQuery("g", numbered("P", i), 1000 + i * 10)).status, 200);
  }
  ASSERT_EQ(post(c, submitQuery("g", "LATE", 1110)).status, 200);  // ties P11
  ASSERT_EQ(post(c, submitQuery("g", "MAX", 2147483647)).status, 200);
  const std::vector<std::string> table = bestFirst(post(c, fetchQuery("g")).body);
  EXPECT_EQ(table, (std::vector<std::string>{"2147483647 MAX", "1110 P11", "1110 LATE", "1100 P10",
                                             "1090 P9", "1080 P8", "1070 P7", "1060 P6", "1050 P5",
                                             "1040 P4"}));
}

TEST_P(ScoreServerTest, BadRequestsAreRefusedWithAReasonAndChangeNothing) {
  auto c = client();
  ASSERT_EQ(post(c, submitQuery("brambletop", "KEEP", 50)).status, 200);
  const std::string before = post(c, fetchQuery("brambletop")).body;
  struct Case {
    std::string method, path, query;
    int status;
  };
  const std::string p = kScorePath;
  const std::vector<Case> cases = {
      {"POST", p, "", 400},
      {"POST", p, "init=AB&score=1&special=143", 400},
      {"POST", p, "game=", 400},
      {"POST", p, "game=bad%20game", 400},
      {"POST", p, "game=" + std::string(33, 'g'), 400},
      {"POST", p, "game=brambletop&game=other", 400},
      {"POST", p, "game=brambletop&init=AB&score=1", 400},
      {"POST", p, "game=brambletop&init=ab&score=1&special=143", 400},
      {"POST", p, "game=brambletop&init=&score=1&special=143", 400},
      {"POST", p, "game=brambletop&init=ABCDEFGHIJKLMNOP&score=1&special=143", 400},
      {"POST", p, "game=brambletop&init=A%2&score=1&special=143", 400},
      {"POST", p, "game=brambletop&init=A+B&score=1&special=143", 400},
      {"POST", p, "game=brambletop&init=AB&score=-1&special=121", 400},
      {"POST", p, "game=brambletop&init=AB&score=2147483648&special=0", 400},
      {"POST", p, "game=brambletop&init=AB&score=0x10&special=308", 400},
      {"POST", p, "game=brambletop&init=AB&score=12&special=x", 400},
      {"POST", p, "game=brambletop&init=AB&score=100&special=1231", 403},
      {"POST", p, "game=brambletop&init=KEEP&score=100&special=-1232", 403},
      {"POST", "/highscorescript/other.asp", "game=brambletop", 404},
      {"POST", "/", "", 404},
      {"GET", p, "game=brambletop&init=AB&score=100&special=1232", 405},
      {"PUT", p, "game=brambletop&init=AB&score=100&special=1232", 405},
      {"DELETE", p, "game=brambletop", 405},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.method + " " + k.path + "?" + k.query);
    httplib::Request request;
    request.method = k.method;
    request.path = k.path + (k.query.empty() ? "" : "?" + k.query);
    if (k.method != "GET") request.body = "OK";
    auto result = c.send(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, k.status);
    // One line of reason, as plain text.
    EXPECT_FALSE(result->body.empty());
    EXPECT_EQ(result->body.find('\n'), result->body.size() - 1);
    if (k.status == 405) {
      EXPECT_EQ(result->get_header_value("Allow"), "POST");
    }
  }
  // Percent-escapes and a score with leading zeros are read like any other.
  EXPECT_EQ(post(c, "game=brambl%65top&init=%4B%45EP&score=0040&special=572").status, 200);
  EXPECT_EQ(post(c, fetchQuery("brambletop")).body, before);
}

// Each path takes a body up to its own limit: the score path room for a
// whole game's proof, the records paths for a level's moves, any other path
// a kibibyte.
TEST_P(ScoreServerTest, ABodyOverItsPathsLimitIsRefused) {
  auto c = client();
  const std::string path = std::string(kScorePath) + "?" + submitQuery("g", "BIG", 5);
  auto declared = c.Post(path, std::string(kScoreBodyLimit + 1, 'x'), "text/plain");
  ASSERT_TRUE(declared);
  EXPECT_EQ(declared->status, 413);
  EXPECT_EQ(declared->body, "the body is over 33792 bytes\n");
  // A chunked body is counted as it arrives.
  size_t sent = 0;
  auto chunked = c.Post(
      path,
      [&](size_t, httplib::DataSink& sink) {
        sink.write(std::string(4096, 'y').data(), 4096);
        if ((sent += 4096) > kScoreBodyLimit) sink.done();
        return true;
      },
      "text/plain");
  ASSERT_TRUE(chunked);
  EXPECT_EQ(chunked->status, 413);
  auto exact = c.Post(path, std::string(kScoreBodyLimit, 'x'), "text/plain");
  ASSERT_TRUE(exact);
  EXPECT_EQ(exact->status, 200);

  auto record = c.Post("/records/brambletop/1", std::string(4097, 'x'), "text/plain");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->status, 413);
  record = c.Post("/records/brambletop/1", std::string(4096, 'x'), "text/plain");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->status, 400);  // read, and refused for what it holds
  auto other = c.Post("/elsewhere", std::string(1025, 'x'), "text/plain");
  ASSERT_TRUE(other);
  EXPECT_EQ(other->status, 413);
}

TEST_P(ScoreServerTest, AnAddressMaySubmitThirtyScoresAMinute) {
  auto c = client();
  for (int i = 0; i < 30; ++i) {
    ASSERT_EQ(post(c, submitQuery("g", numbered("R", i), i)).status, 200) << i;
  }
  const Answer refused = post(c, submitQuery("g", "LATE", 99999));
  EXPECT_EQ(refused.status, 429);
  EXPECT_EQ(post(c, fetchQuery("g")).status, 200);  // fetching is not limited
  EXPECT_EQ(bestFirst(post(c, fetchQuery("g")).body).front(), "29 R29");
}

TEST_P(ScoreServerTest, TheRequestAsTheGameSendsItIsAnswered) {
  // The game's request, byte for byte as its HTTP stack sends it: a POST with
  // the two-byte body "OK", and the reply read with ten "%i %s" pairs.
  httplib::Client c = client();
  ASSERT_EQ(post(c, submitQuery(kScoreGameId, "HIGH", 100)).status, 200);
  httplib::Headers headers = {{"User-Agent", "Microsoft Internet Explorer"}};
  auto result = c.Post(std::string(kScorePath) + "?game=" + kScoreGameId + "&init=LOW&score=7" +
                           numbered("&special=", scoreCheckValue(7)),
                       headers, "OK", "");
  ASSERT_TRUE(result);
  ASSERT_EQ(result->status, 200);
  ASSERT_LE(result->body.size(), 1024u);
  int scores[10] = {};
  char names[10][64] = {};
  const int read =
      std::sscanf(result->body.c_str(),
                  "%i %63s %i %63s %i %63s %i %63s %i %63s %i %63s %i %63s %i %63s %i %63s %i %63s",
                  &scores[9], names[9], &scores[8], names[8], &scores[7], names[7], &scores[6],
                  names[6], &scores[5], names[5], &scores[4], names[4], &scores[3], names[3],
                  &scores[2], names[2], &scores[1], names[1], &scores[0], names[0]);
  EXPECT_EQ(read, 20);
  EXPECT_EQ(scores[0], 100);
  EXPECT_STREQ(names[0], "HIGH");
  EXPECT_EQ(scores[1], 7);
  EXPECT_STREQ(names[1], "LOW");
  EXPECT_EQ(scores[9], 0);
}

INSTANTIATE_TEST_SUITE_P(Sqlite, ScoreServerTest, ::testing::Values(Backend::Sqlite), backendName);
INSTANTIATE_TEST_SUITE_P(Postgres, ScoreServerTest, ::testing::Values(Backend::Postgres),
                         backendName);

}  // namespace
}  // namespace bt::scored::test
