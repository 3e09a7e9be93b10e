#pragma once
// One line per request on standard error:
//   2026-12-10T05:40:00.123Z 127.0.0.1 POST /highscorescript/highscore.asp 200 0.42ms
// Bytes outside printable ASCII in the path are written as \xHH, so a
// request cannot forge lines. Each line is one write, whole among threads.
#include <chrono>
#include <string>
#include <string_view>

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
  // Lines go to `fd` (standard error); a disabled log writes nothing.
  explicit RequestLog(bool enabled, int fd = 2) : enabled_(enabled), fd_(fd) {}

  bool enabled() const { return enabled_; }
  void write(const RequestLogLine& line) const;
  static std::string format(const RequestLogLine& line);

 private:
  bool enabled_;
  int fd_;
};

}  // namespace bt::scored
