#include <gtest/gtest.h>

#include "net/protocol/PercentDecode.h"
#include "query/ScoreQuery.h"

namespace bt::scored {
namespace {

TEST(ScoreQuery, FetchesAndSubmissionsAreRead) {
  auto fetch = parseScoreQuery("game=brambletop");
  ASSERT_TRUE(std::holds_alternative<ScoreQuery>(fetch));
  EXPECT_EQ(std::get<ScoreQuery>(fetch).game, "brambletop");
  EXPECT_FALSE(std::get<ScoreQuery>(fetch).submission);

  // Order, unknown parameters, empty parts and escapes do not matter.
  auto submit =
      parseScoreQuery("special=-2147483648&x=1&&init=%41B9&game=a.b_c-D&score=2147483647");
  ASSERT_TRUE(std::holds_alternative<ScoreQuery>(submit)) << std::get<QueryError>(submit).reason;
  const ScoreQuery& q = std::get<ScoreQuery>(submit);
  EXPECT_EQ(q.game, "a.b_c-D");
  ASSERT_TRUE(q.submission);
  EXPECT_EQ(q.submission->name, "AB9");
  EXPECT_EQ(q.submission->score, 2147483647);
  EXPECT_EQ(q.submission->check, -2147483647 - 1);
}

TEST(ScoreQuery, MalformedQueriesAreRefusedWithAReason) {
  const std::vector<std::string> bad = {
      "",
      "game",
      "game=",
      "game=a&game=a",
      "game=a%",
      "game=a%4",
      "game=a%G1",
      "game=a b",
      "game=" + std::string(33, 'a'),
      "game=%00",
      "game=a&init=A",
      "game=a&init=A&score=1",
      "game=a&score=1&special=143",
      "game=a&init=&score=1&special=143",
      "game=a&init=a&score=1&special=143",
      "game=a&init=A%00&score=1&special=143",
      "game=a&init=ABCDEFGHIJKLMNOP&score=1&special=143",
      "game=a&init=A&score=&special=143",
      "game=a&init=A&score=-1&special=121",
      "game=a&init=A&score=+1&special=143",
      "game=a&init=A&score=2147483648&special=0",
      "game=a&init=A&score=99999999999999999999&special=0",
      "game=a&init=A&score=1.0&special=143",
      "game=a&init=A&score=1&special=",
      "game=a&init=A&score=1&special=-",
      "game=a&init=A&score=1&special=2147483648",
      "game=a&init=A&score=1&special=-2147483649",
      "game=a&init=A&score=1&special=1&special=143",
  };
  for (const std::string& query : bad) {
    SCOPED_TRACE(query);
    auto parsed = parseScoreQuery(query);
    ASSERT_TRUE(std::holds_alternative<QueryError>(parsed));
    const std::string& reason = std::get<QueryError>(parsed).reason;
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(reason.find('\n'), std::string::npos);
  }
}

TEST(ScoreQuery, TheCheckValueWrapsLikeThePhone) {
  struct Case {
    int32_t score, check;
    bool matches;
  };
  for (const Case& c : std::vector<Case>{{100, 1232, true},
                                         {100, 1233, false},
                                         {0, 132, true},
                                         {2147483647, -2147483527, true},
                                         {2147483647, 2147483647, false}}) {
    SCOPED_TRACE(c.score);
    EXPECT_EQ(checkValueMatches({"A", c.score, c.check}), c.matches);
  }
}

TEST(PercentDecode, EscapesOnly) {
  EXPECT_EQ(percentDecode("a%41%7a+b"), "aAz+b");
  EXPECT_EQ(percentDecode(""), "");
  EXPECT_FALSE(percentDecode("%"));
  EXPECT_FALSE(percentDecode("%4"));
  EXPECT_FALSE(percentDecode("%zz"));
}

}  // namespace
}  // namespace bt::scored
