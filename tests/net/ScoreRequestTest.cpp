#include <gtest/gtest.h>

#include <string>

#include "net/ScoreRequest.h"

namespace bt {
namespace {

TEST(ScoreRequestTest, FetchNamesOnlyTheGame) {
  EXPECT_EQ(fetchPath("brambletop"), "/highscorescript/highscore.asp?game=brambletop");
}

TEST(ScoreRequestTest, SubmitCarriesNameScoreAndCheckValue) {
  EXPECT_EQ(submitPath("brambletop", "ANNA7", 100),
            "/highscorescript/highscore.asp?game=brambletop&init=ANNA7&score=100&special=1232");
  EXPECT_EQ(submitPath("g", "Z", -12),
            "/highscorescript/highscore.asp?game=g&init=Z&score=-12&special=0");
  // The check value wraps like 32-bit arithmetic.
  EXPECT_EQ(submitPath("g", "Z", 2147483647),
            "/highscorescript/highscore.asp?game=g&init=Z&score=2147483647&special=-2147483527");
}

// A name from the file or the server could hold anything; the query must
// still say exactly one name.
TEST(ScoreRequestTest, NamesArePercentEncoded) {
  EXPECT_EQ(percentEncode("AZaz09-._~"), "AZaz09-._~");
  EXPECT_EQ(percentEncode("A B&score=9#x%"), "A%20B%26score%3D9%23x%25");
  EXPECT_EQ(percentEncode(std::string("\x00\xff\n", 3)), "%00%FF%0A");
  EXPECT_EQ(submitPath("g", "A&B", 1),
            "/highscorescript/highscore.asp?game=g&init=A%26B&score=1&special=143");
}

}  // namespace
}  // namespace bt
