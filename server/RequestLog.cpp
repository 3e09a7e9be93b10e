#include "RequestLog.h"

#include <cstdio>
#include <ctime>

namespace bt::scored {
namespace {

void appendPrintable(std::string& out, std::string_view text, size_t maxLength) {
  static const char* kHex = "0123456789ABCDEF";
  for (size_t i = 0; i < text.size() && i < maxLength; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c > 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  if (text.empty()) out += '-';
  if (text.size() > maxLength) out += "...";
}

}  // namespace

std::string RequestLog::format(const RequestLogLine& line) {
  using namespace std::chrono;
  const auto sinceEpoch = duration_cast<milliseconds>(line.time.time_since_epoch());
  const std::time_t seconds = static_cast<std::time_t>(sinceEpoch.count() / 1000);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                static_cast<int>(sinceEpoch.count() % 1000));
  std::string out = stamp;
  out += ' ';
  appendPrintable(out, line.address, 64);
  out += ' ';
  appendPrintable(out, line.method, 16);
  out += ' ';
  appendPrintable(out, line.path, 200);
  out += ' ';
  out += line.status == 0 ? std::string("-") : std::to_string(line.status);
  char took[32];
  std::snprintf(took, sizeof took, " %.2fms\n",
                duration_cast<microseconds>(line.duration).count() / 1000.0);
  out += took;
  return out;
}

void RequestLog::write(const RequestLogLine& line) const {
  if (!enabled_) return;
  sink_.writeLine(format(line));
}

}  // namespace bt::scored
