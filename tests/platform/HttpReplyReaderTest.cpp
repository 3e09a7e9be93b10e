// The reply reader against the ways a server may frame its reply, and the
// ways a broken or hostile one may not: each fed whole and a byte at a time.
#include <gtest/gtest.h>

#include <string>

#include "platform/net/HttpReplyReader.h"

namespace bt::platform {
namespace {

using State = HttpReplyReader::State;

struct Outcome {
  State state;
  int status;
  std::string body;
};

// Feeds the reply in pieces of the given size, then (unless it ended before)
// the connection's end.
Outcome read(const std::string& reply, size_t piece, size_t maxHead, size_t maxBody) {
  HttpReplyReader reader(maxHead, maxBody);
  for (size_t at = 0; at < reply.size() && reader.state() == State::Reading; at += piece) {
    reader.take(std::string_view(reply).substr(at, piece));
  }
  reader.end();
  return {reader.state(), reader.status(), reader.body()};
}

TEST(HttpReplyReader, FramesTheBodyAsTheHeadSaysAndRefusesWhatItCannotRead) {
  struct Case {
    const char* what;
    std::string reply;
    State state;
    int status;
    std::string body;
  };
  const std::string sized = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello";
  const Case cases[] = {
      {"Content-Length", sized, State::Done, 200, "hello"},
      {"bytes after the length are not body", sized + "junk", State::Done, 200, "hello"},
      {"bare line feeds, any case", "HTTP/1.0 404 Not Found\ncontent-LENGTH: 2\n\nno", State::Done,
       404, "no"},
      {"chunks, with an extension and trailers",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3;x=y\r\nabc\r\nA\r\n0123456789\r\n"
       "0\r\nTrailer: t\r\n\r\n",
       State::Done, 200, "abc0123456789"},
      {"chunked wins over a length",
       "HTTP/1.1 200 OK\r\nContent-Length: 99\r\nTransfer-Encoding: "
       "chunked\r\n\r\n2\r\nok\r\n0\r\n",
       State::Done, 200, "ok"},
      {"no length: to the connection's end", "HTTP/1.1 200 OK\r\n\r\nto the end", State::Done, 200,
       "to the end"},
      {"an interim reply first", "HTTP/1.1 100 Continue\r\n\r\n" + sized, State::Done, 200,
       "hello"},
      {"no body for 204", "HTTP/1.1 204 No Content\r\n\r\n", State::Done, 204, ""},
      {"a long body is cut at the limit",
       "HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n" + std::string(40, 'x'), State::Done, 200,
       std::string(16, 'x')},
      {"a short body", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhello", State::Failed, 200,
       "hello"},
      {"a head that never ends", "HTTP/1.1 200 OK\r\nServer: x\r\n", State::Failed, 200, ""},
      {"no status line", "<html>hello</html>\r\n\r\n", State::Failed, 0, ""},
      {"a status line of two digits", "HTTP/1.1 20 OK\r\n\r\n", State::Failed, 0, ""},
      {"two lengths", "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab",
       State::Failed, 200, ""},
      {"a length that is no number", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\nab",
       State::Failed, 200, ""},
      {"a header line without a name", "HTTP/1.1 200 OK\r\nno colon\r\n\r\n", State::Failed, 200,
       ""},
      {"a chunk without a size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",
       State::Failed, 200, ""},
      {"a chunk longer than its size",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabc\r\n0\r\n\r\n", State::Failed,
       200, "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (size_t piece : {c.reply.size(), size_t{1}}) {
      SCOPED_TRACE(piece);
      const Outcome got = read(c.reply, piece, 256, 16);
      EXPECT_EQ(got.state, c.state);
      EXPECT_EQ(got.status, c.status);
      EXPECT_EQ(got.body, c.body);
    }
  }
}

// The head may use its limit to the byte, and not one byte more, however the
// server spreads it over lines; interim replies count towards it.
TEST(HttpReplyReader, TheHeadIsReadUpToItsLimitOnly) {
  const std::string status = "HTTP/1.1 200 OK\r\n";
  const std::string end = "\r\nContent-Length: 2\r\n\r\nok";
  for (size_t filler = 0; filler < 3; ++filler) {
    // Status line + "X: " + filler + end of head: exactly 100 bytes.
    const size_t fits = 100 - status.size() - 3 - (end.size() - 2);
    const std::string head = status + "X: " + std::string(fits - filler, 'a');
    for (size_t over : {size_t{0}, size_t{1}}) {
      SCOPED_TRACE(over);
      const std::string reply = head + std::string(filler + over, 'b') + end;
      for (size_t piece : {reply.size(), size_t{1}, size_t{7}}) {
        const Outcome got = read(reply, piece, 100, 16);
        EXPECT_EQ(got.state, over == 0 ? State::Done : State::Failed);
      }
    }
  }
  const Outcome interim =
      read("HTTP/1.1 100 Continue\r\n\r\n" + status + "X: a" + end, 1, status.size() + 25, 16);
  EXPECT_EQ(interim.state, State::Failed);
}

}  // namespace
}  // namespace bt::platform
