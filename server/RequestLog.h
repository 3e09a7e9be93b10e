#pragma once
// One line per request on standard error:
//   2026-12-10T05:40:00.123Z 127.0.0.1 POST /highscorescript/highscore.asp 200 0.42ms
// Bytes outside printable ASCII in the path are written as \xHH, so a
// request cannot forge lines. Lines go through a LogSink: whole among
// threads, and dropped rather than waited for when the log is not read.
#include <chrono>
#include <string>
#include <string_view>

#include "LogSink.h"

namespace bt::scored {

struct RequestLogLine {
  std::chrono::system_clock::time_point time;
  std::string_view address;
  std::string_view method;
  std::string_view path;
  int status = 0;  // 0: cut off before an answer
  std::chrono::steady_clock::duration duration{};
};

class RequestLog {
 public:
  // A disabled log writes nothing.
  explicit RequestLog(bool enabled, LogSink& sink = LogSink::standardError())
      : enabled_(enabled), sink_(sink) {}

  bool enabled() const { return enabled_; }
  void write(const RequestLogLine& line) const;
  static std::string format(const RequestLogLine& line);

 private:
  bool enabled_;
  LogSink& sink_;
};

}  // namespace bt::scored
