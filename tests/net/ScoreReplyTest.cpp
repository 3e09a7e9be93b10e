#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "net/ScoreReply.h"

namespace bt {
namespace {

using Pairs = std::vector<std::pair<int32_t, std::string>>;

Pairs pairsOf(const ScoreReply& reply) {
  Pairs pairs;
  for (int i = 0; i < reply.count; ++i) {
    pairs.emplace_back(reply.pairs[i].score, reply.pairs[i].name.data());
  }
  return pairs;
}

TEST(ScoreReplyTest, ReadsPairsUntilTheFirstItemThatDoesNotMatch) {
  struct Case {
    const char* what;
    std::string body;
    Pairs pairs;
  };
  const std::vector<Case> cases = {
      {"fewer pairs", "5 ANN\n3 BOB", {{5, "ANN"}, {3, "BOB"}}},
      {"any white space", " \t7\r\nX\v\f8   Y ", {{7, "X"}, {8, "Y"}}},
      {"hex, octal and signs",
       "0x1F A 017 B -0X10 C +9 D 0 E",
       {{31, "A"}, {15, "B"}, {-16, "C"}, {9, "D"}, {0, "E"}}},
      {"0x without a hex digit is the number 0", "0xZ", {{0, "xZ"}}},
      {"08 is octal 0, then a name", "08 X", {{0, "8"}}},
      {"a name is cut to 15 characters",
       "1 ABCDEFGHIJKLMNOPQRST 2 B",
       {{1, "ABCDEFGHIJKLMNO"}, {2, "B"}}},
      {"the 32-bit limits",
       "2147483647 MAX -2147483648 MIN",
       {{2147483647, "MAX"}, {-2147483648, "MIN"}}},
      {"a score past 32 bits stops", "1 A 2147483648 B", {{1, "A"}}},
      {"a score without a name counts for nothing", "1 A 2", {{1, "A"}}},
      {"a name where a score belongs stops", "1 A B 2 C", {{1, "A"}}},
      {"the text ends at a zero byte", std::string("1 A\0 2 B", 8), {{1, "A"}}},
      {"garbage", "<html>Not Found</html>", {}},
      {"empty", "", {}},
      {"names take any non-blank byte", "4 \xC3\xA9t\xC3\xA9", {{4, "\xC3\xA9t\xC3\xA9"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(pairsOf(parseScoreReply(c.body)), c.pairs);
  }
}

TEST(ScoreReplyTest, PairsPastTheTenthAreNotRead) {
  std::string body;
  for (int i = 1; i <= 12; ++i) body += std::to_string(i) + " " + char('A' + i - 1) + "\n";
  const ScoreReply reply = parseScoreReply(body);
  ASSERT_EQ(reply.count, 10);
  EXPECT_EQ(std::string(reply.pairs[0].name.data()), "A");
  EXPECT_EQ(reply.pairs[9].score, 10);
}

// The most a reply can be: 1024 bytes with the last name running to the end.
TEST(ScoreReplyTest, ABodyOfExactly1024Bytes) {
  std::string body;
  for (int i = 0; i < 9; ++i) body += "100 NAME" + std::to_string(i) + " ";
  body += "7 ";
  body.resize(1024, 'Z');
  const ScoreReply reply = parseScoreReply(body);
  ASSERT_EQ(reply.count, 10);
  EXPECT_EQ(reply.pairs[9].score, 7);
  EXPECT_EQ(std::string(reply.pairs[9].name.data()), std::string(15, 'Z'));
}

}  // namespace
}  // namespace bt
