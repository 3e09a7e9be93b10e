#pragma once
// Reads an HTTP/1.1 reply as its bytes arrive: the status line and the header
// lines (the head, at most maxHead bytes together with any 1xx replies before
// it, or the reply is refused), then the body as Content-Length, chunks or the
// connection's end frame it. At most maxBody bytes of the body are kept; the
// reply is done once they are, and the rest is never read. Memory is bounded
// by maxHead + maxBody whatever the server sends.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bt::platform {

class HttpReplyReader {
 public:
  enum class State { Reading, Done, Failed };

  HttpReplyReader(size_t maxHead, size_t maxBody) : maxHead_(maxHead), maxBody_(maxBody) {}

  // Takes the next bytes of the connection; the state after them.
  State take(std::string_view bytes);
  // The connection has ended: Done when the body runs to the end of the
  // connection, else Failed (the reply was cut short).
  State end();

  State state() const { return state_; }
  int status() const { return status_; }
  const std::string& body() const { return body_; }

 private:
  enum class Part { StatusLine, Headers, Sized, Chunked, ChunkData, ChunkEnd, ToTheEnd };

  // One step over the bytes waiting; false when it needs more.
  bool step();
  bool headLine(std::string_view line);
  bool header(std::string_view name, std::string_view value);
  // The head has ended: where the body starts, if there is one.
  void startBody();
  bool chunkSizeLine(std::string_view line);
  // Keeps up to n body bytes from the front of the waiting ones, marking
  // the reply done once maxBody are kept.
  void keepBody(size_t n);
  // The next line of the waiting bytes without its line end; false while it
  // is not whole, and failed once limit bytes hold no end.
  bool takeLine(std::string& line, size_t limit);
  void fail();

  const size_t maxHead_;
  const size_t maxBody_;
  State state_ = State::Reading;
  Part part_ = Part::StatusLine;
  std::string waiting_;  // bytes taken but not yet read
  size_t headBytes_ = 0;
  int status_ = 0;
  bool transferCoded_ = false;  // a Transfer-Encoding header came
  bool chunked_ = false;        // ... and chunked was its last coding
  bool sized_ = false;          // a Content-Length header came
  uint64_t remaining_ = 0;      // of the body (Sized) or of the chunk (ChunkData)
  std::string body_;
};

}  // namespace bt::platform
