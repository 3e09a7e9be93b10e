// Scores checked by replaying their proofs, and world records per level, on
// the service with a store in memory: every forged submission is refused
// with one line of reason and changes nothing.
#include <gtest/gtest.h>

#include <array>

#include "MemoryStore.h"
#include "ScoreService.h"
#include "game/GameProof.h"
#include "game/LevelData.h"
#include "net/protocol/ScoreCheck.h"

namespace bt::scored {
namespace {

std::string solution(int level) {
  return std::string(levelSolutions()[static_cast<size_t>(level - 1)]);
}

// The proof body of the recorded solutions of levels 1 to `levels`.
std::string proofOf(int levels) {
  GameProof proof;
  for (int level = 1; level <= levels; ++level) proof.levels.push_back(solution(level));
  return "proof=" + formatProof(proof);
}

std::string submitQuery(const std::string& name, int32_t score) {
  return "game=brambletop&init=" + name + "&score=" + std::to_string(score) +
         "&special=" + std::to_string(scoreCheckValue(score));
}

class ProofServiceTest : public ::testing::Test {
 protected:
  ScoreReply send(const std::string& method, const std::string& path, const std::string& query,
                  const std::string& body, ScoreService& service,
                  const char* address = "192.0.2.1") {
    return service.handle({method, path, query, body, body.size(), address});
  }
  ScoreReply submit(const std::string& query, const std::string& body) {
    return send("POST", kScorePath, query, body, service_);
  }
  ScoreReply postRecord(int level, const std::string& body) {
    return send("POST", "/records/brambletop/" + std::to_string(level), "", body, service_);
  }
  ScoreReply get(const std::string& path) { return send("GET", path, "", "", service_); }

  test::MemoryStore store_;
  SubmissionRateLimit limit_;
  ScoreService service_{store_, limit_};
};

TEST_F(ProofServiceTest, ForgedScoresAreRefusedAndChangeNothing) {
  std::string full = proofOf(kLevelCount);
  std::string changed = full;
  changed[changed.rfind('<')] = '>';
  const std::string first = solution(1);
  const struct {
    const char* what;
    std::string query, body;
    int status;
  } cases[] = {
      {"the check value alone", submitQuery("AB", 1), "OK", 403},
      {"no body", submitQuery("AB", 1), "", 403},
      {"a score above the proof", submitQuery("AB", 999999999), proofOf(2), 403},
      {"one level more than the proof", submitQuery("AB", 3), proofOf(2), 403},
      {"one level fewer than the proof", submitQuery("AB", 1), proofOf(2), 403},
      {"another level's moves", submitQuery("AB", 1), "proof=" + solution(2), 403},
      {"a proof that breaks off", submitQuery("AB", 2),
       "proof=" + first + "," + solution(2).substr(0, 5), 403},
      {"moves the rules refuse", submitQuery("AB", 1), "proof=" + std::string(12, 'U') + first,
       403},
      {"72 levels with one move changed", submitQuery("AB", 72), changed, 403},
      {"a level over the key limit", submitQuery("AB", 1),
       "proof=" + std::string(kMaxProofKeysPerLevel, 'L') + first, 403},
      {"more levels than the game", submitQuery("AB", 73), full + "," + first, 403},
      {"moves outside the notation", submitQuery("AB", 1), "proof=UU<L>L<L>x", 403},
      {"a bad percent-escape", submitQuery("AB", 1), "proof=UU%3", 403},
      {"a name outside the alphabet", "game=brambletop&init=a%3Cb&score=1&special=143", proofOf(1),
       400},
      {"a wrong check value", "game=brambletop&init=AB&score=1&special=144", proofOf(1), 403},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ScoreReply reply = submit(c.query, c.body);
    EXPECT_EQ(reply.status, c.status) << reply.body;
    ASSERT_FALSE(reply.body.empty());
    EXPECT_EQ(reply.body.find('\n'), reply.body.size() - 1) << reply.body;
  }
  EXPECT_TRUE(store_.entries.empty());
}

TEST_F(ProofServiceTest, AnHonestProofIsAcceptedAtItsScore) {
  EXPECT_EQ(submit(submitQuery("ALL", 72), proofOf(kLevelCount)).status, 200);
  // Percent-escaped as a form would send it, and the proof of no level.
  std::string escaped = proofOf(2);
  for (size_t at; (at = escaped.find('<')) != std::string::npos;) escaped.replace(at, 1, "%3C");
  EXPECT_EQ(submit(submitQuery("TWO", 2), escaped).status, 200);
  EXPECT_EQ(submit(submitQuery("NONE", 0), "proof=").status, 200);
  EXPECT_EQ(store_.entries, (std::vector<ScoreEntry>{{"NONE", 0}, {"TWO", 2}, {"ALL", 72}}));
}

TEST_F(ProofServiceTest, AcceptUnprovenTakesTheCheckValueAloneButStillChecksAProof) {
  ScoreService lenient(store_, limit_, /*acceptUnproven=*/true);
  EXPECT_EQ(send("POST", kScorePath, submitQuery("OLD", 5), "OK", lenient).status, 200);
  EXPECT_EQ(send("POST", kScorePath, submitQuery("BAD", 5), proofOf(2), lenient).status, 403);
  EXPECT_EQ(store_.entries, (std::vector<ScoreEntry>{{"OLD", 5}}));
}

TEST_F(ProofServiceTest, ATableCountsEveryNameAndNamesTheFirstToTheFewest) {
  const std::string first = solution(1);  // 9 moves
  const std::string longer = "RL" + first;
  ASSERT_EQ(postRecord(1, "name=SLOW&moves=" + longer).status, 200);
  ASSERT_EQ(postRecord(1, "name=ANN&moves=" + first).status, 200);
  ASSERT_EQ(postRecord(1, "name=BOB&moves=" + first).status, 200);
  ASSERT_EQ(postRecord(1, "name=CY&moves=RL" + longer).status, 200);
  // A longer solve does not replace ANN's best; SLOW's shorter one does.
  ASSERT_EQ(postRecord(1, "name=ANN&moves=" + longer).status, 200);
  const ScoreReply last = postRecord(1, "name=SLOW&moves=" + first);
  EXPECT_EQ(last.status, 200);
  EXPECT_EQ(last.body, "9 ANN\n9 BOB\n9 SLOW\nplayers 9 3\nplayers 13 1\nplayers all 4\n");
  EXPECT_EQ(get("/records/brambletop/1").body, last.body);
  ASSERT_EQ(postRecord(3, "name=CAT&moves=" + solution(3)).status, 200);
  EXPECT_EQ(get("/records/brambletop").body, "1 9 ANN\n3 " + std::to_string(solution(3).size()) +
                                                 " CAT\nplayers 1 3 4\nplayers 3 1 1\n");
  EXPECT_EQ(get("/records/brambletop/2").body, "");
}

// Moves can be copied, and the shortest are in the repository: ten names
// that post level 1's par first fill its first ten, but the table counts
// everyone at par, so an honest solver who comes later is counted with them.
TEST_F(ProofServiceTest, SquattersCannotKeepALaterSolverOutOfTheCount) {
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(
        send("POST", "/records/brambletop/1", "",
             "name=SQUAT" + std::to_string(i) + "&moves=" + solution(1), service_, "203.0.113.9")
            .status,
        200);
  }
  const ScoreReply honest = postRecord(1, "name=HONEST&moves=" + solution(1));
  ASSERT_EQ(honest.status, 200);
  EXPECT_NE(honest.body.find("players 9 11\n"), std::string::npos) << honest.body;
  EXPECT_NE(honest.body.find("players all 11\n"), std::string::npos) << honest.body;
  EXPECT_NE(get("/records/brambletop").body.find("players 1 11 11\n"), std::string::npos);
  service_.serveScoresPage();
  EXPECT_NE(get("/scores").body.find("<td class=\"n\">9</td><td class=\"n\">11</td>"),
            std::string::npos);
}

TEST_F(ProofServiceTest, ForgedRecordsAreRefusedAndChangeNothing) {
  const std::string first = solution(1);
  const struct {
    const char* what;
    std::string method, path, body;
    int status;
  } cases[] = {
      {"another level's moves", "POST", "/records/brambletop/2", "name=AB&moves=" + first, 403},
      {"a move after the solve", "POST", "/records/brambletop/1", "name=AB&moves=" + first + "<",
       403},
      {"moves outside the notation", "POST", "/records/brambletop/1", "name=AB&moves=UUx", 400},
      {"a name outside the alphabet", "POST", "/records/brambletop/1", "name=a b&moves=" + first,
       400},
      {"a name too long", "POST", "/records/brambletop/1", "name=ABCDEFGHIJKLMNOP&moves=" + first,
       400},
      {"no moves", "POST", "/records/brambletop/1", "name=AB", 400},
      {"moves twice", "POST", "/records/brambletop/1", "name=AB&moves=" + first + "&moves=" + first,
       400},
      {"over the key limit", "POST", "/records/brambletop/1",
       "name=AB&moves=" + std::string(kMaxProofKeysPerLevel + 1, 'L'), 400},
      {"level 0", "POST", "/records/brambletop/0", "name=AB&moves=" + first, 404},
      {"level 73", "POST", "/records/brambletop/73", "name=AB&moves=" + first, 404},
      {"level 01", "POST", "/records/brambletop/01", "name=AB&moves=" + first, 404},
      {"another game", "POST", "/records/other/1", "name=AB&moves=" + first, 404},
      {"a trailing slash", "GET", "/records/brambletop/", "", 404},
      {"posting to every level", "POST", "/records/brambletop", "name=AB&moves=" + first, 405},
      {"deleting", "DELETE", "/records/brambletop/1", "", 405},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ScoreReply reply = send(c.method, c.path, "", c.body, service_);
    EXPECT_EQ(reply.status, c.status) << reply.body;
    EXPECT_EQ(reply.body.find('\n'), reply.body.size() - 1) << reply.body;
  }
  EXPECT_TRUE(store_.records.empty());
}

TEST_F(ProofServiceTest, AnAddressMaySubmitThirtyRecordsAMinute) {
  for (int i = 0; i < 30; ++i) {
    ASSERT_EQ(postRecord(1, "name=N" + std::to_string(i) + "&moves=" + solution(1)).status, 200);
  }
  EXPECT_EQ(postRecord(1, "name=LATE&moves=" + solution(1)).status, 429);
  EXPECT_EQ(get("/records/brambletop/1").status, 200);  // reading is not limited
  // Scores have a limit of their own.
  EXPECT_EQ(submit(submitQuery("ONE", 1), proofOf(1)).status, 200);
}

TEST_F(ProofServiceTest, TheScoresPageShowsTheTablesWithPar) {
  service_.serveScoresPage();
  ASSERT_EQ(submit(submitQuery("ANN", 2), proofOf(2)).status, 200);
  ASSERT_EQ(postRecord(2, "name=BOB&moves=" + solution(2)).status, 200);
  const ScoreReply page = get("/scores");
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(std::string(page.contentType), "text/html; charset=utf-8");
  EXPECT_EQ(page.body.find("<script"), std::string::npos);
  EXPECT_NE(page.body.find("name=\"viewport\""), std::string::npos);
  EXPECT_NE(page.body.find("<td>ANN</td><td class=\"n\">2</td>"), std::string::npos);
  const std::string par2 = std::to_string(solution(2).size());
  EXPECT_NE(
      page.body.find("<td class=\"n\">2</td><td class=\"n\">" + par2 + "</td><td class=\"n\">" +
                     par2 + "</td><td class=\"n\">1</td><td class=\"n\">0</td><td>BOB</td>"),
      std::string::npos);
  EXPECT_NE(page.body.find("<td class=\"n\">72</td><td class=\"n\">" +
                           std::to_string(solution(72).size()) + "</td><td class=\"n\">-</td>"),
            std::string::npos);
  EXPECT_EQ(send("POST", "/scores", "", "", service_).status, 405);
  // Without the web page there is no such path.
  ScoreService plain(store_, limit_);
  EXPECT_EQ(send("GET", "/scores", "", "", plain).status, 404);
}

// Rows written into the database by anything but this server: a name with
// a line break would add a forged line to a plain-text reply. What could not
// have come in does not go out.
TEST_F(ProofServiceTest, ANameThatCouldNotHaveComeInDoesNotGoOut) {
  const std::string forged = "EVIL\r\n2147483647 FORGED";
  store_.entries = {{forged, 72}, {"ANN", 5}, {"NEG", -5}, {"", 4}, {"lower", 3}};
  store_.records[{"1", forged}] = {forged, solution(1), 1};
  store_.records[{"1", "BOB"}] = {"BOB", solution(1), 2};
  service_.serveScoresPage();
  const ScoreReply table = submit("game=brambletop", "OK");
  EXPECT_TRUE(table.body.ends_with("0 AAAAAAAAAAAAAAA\n5 ANN\n")) << table.body;
  EXPECT_EQ(get("/records/brambletop/1").body, "9 BOB\nplayers 9 2\nplayers all 2\n");
  EXPECT_EQ(get("/records/brambletop").body, "players 1 2 2\n");
  const ScoreReply page = get("/scores");
  EXPECT_NE(page.body.find("<td>ANN</td>"), std::string::npos);
  for (const ScoreReply& reply : {table, page, get("/records/brambletop/1")}) {
    for (const char* left : {"EVIL", "FORGED", "NEG", "lower", "\r"}) {
      SCOPED_TRACE(left);
      EXPECT_EQ(reply.body.find(left), std::string::npos) << reply.body;
    }
  }
}

TEST_F(ProofServiceTest, AnUnreachableStoreIsA503ForRecordsAndThePage) {
  service_.serveScoresPage();
  store_.failing = true;
  for (const auto& [method, path, body] : std::vector<std::array<std::string, 3>>{
           {"GET", "/records/brambletop", ""},
           {"GET", "/records/brambletop/1", ""},
           {"POST", "/records/brambletop/1", "name=AB&moves=" + solution(1)},
           {"GET", "/scores", ""}}) {
    SCOPED_TRACE(method + " " + path);
    const ScoreReply reply = send(method, path, "", body, service_);
    EXPECT_EQ(reply.status, 503);
    EXPECT_EQ(reply.body, "the score table cannot be reached now\n");
  }
}

}  // namespace
}  // namespace bt::scored
