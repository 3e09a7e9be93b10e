#pragma once
// Lines to a log descriptor (standard error: a terminal, a pipe, the
// journal's socket or a file), written so that the caller never waits for
// whoever reads them: a line the descriptor cannot take at once is dropped
// and counted, and the count goes out ahead of the next line that is
// written. Each line is one write of at most kMaxLineBytes, so lines from
// several threads never mix. Safe from any thread.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace bt::scored {

class LogSink {
 public:
  // Within PIPE_BUF, the most a pipe takes whole or not at all.
  static constexpr size_t kMaxLineBytes = 4000;

  explicit LogSink(int fd);
  ~LogSink();
  LogSink(const LogSink&) = delete;
  LogSink& operator=(const LogSink&) = delete;

  // `line` ends with a newline; a longer one is cut to kMaxLineBytes.
  void writeLine(std::string_view line);
  // Lines dropped since the last count was written.
  uint64_t dropped() const { return dropped_.load(); }

  // The process's standard error.
  static LogSink& standardError();

 private:
  enum class Kind { Socket, NonBlocking, Polled, Plain };
  bool tryWrite(std::string_view text);

  int fd_;
  int nonBlockingFd_ = -1;  // the same pipe or terminal, opened anew
  Kind kind_ = Kind::Plain;
  std::atomic<uint64_t> dropped_{0};
};

}  // namespace bt::scored
