#include "main/Script.h"

#include <charconv>
#include <optional>

#include "app/KeyMap.h"
#include "platform/os/Quote.h"

namespace bt {

namespace {

using platform::Message;
using Kind = ScriptStep::Kind;

constexpr uint32_t kMaxFrames = 10'000'000;
constexpr uint32_t kMaxSleep = 600'000;
constexpr uint32_t kDefaultDragSteps = 8;
constexpr uint32_t kMaxDragSteps = 1000;
// Steps a whole script may expand to (a hold or a drag is a few per frame),
// so that any script is read in bounded memory: about 60 MB.
constexpr size_t kMaxSteps = 1'000'000;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
    s.remove_prefix(1);
  }
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

std::vector<std::string_view> splitWords(std::string_view s) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

class LineReader {
 public:
  LineReader(Script& script, int line) : script_(script), line_(line) {}

  bool fail(std::string message) {
    script_.error = std::move(message);
    script_.errorLine = line_;
    return false;
  }

  std::optional<uint32_t> number(std::string_view word, uint32_t max, const char* what,
                                 uint32_t min = 0) {
    uint32_t value = 0;
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || ptr != word.data() + word.size() || value < min || value > max) {
      const std::string range =
          min == 0 ? "from 0 to " + std::to_string(max)
                   : "at least " + std::to_string(min) + " and at most " + std::to_string(max);
      fail(std::string(what) + " must be a whole number " + range + ", not " + quote(word));
      return std::nullopt;
    }
    return value;
  }

  // False (after saying so) when n more steps would take the script past
  // kMaxSteps.
  bool roomFor(uint64_t n) {
    if (script_.steps.size() + n <= kMaxSteps) return true;
    return fail("the script runs to more than " + std::to_string(kMaxSteps) +
                " steps here; use fewer or shorter holds and drags");
  }

  std::optional<uint32_t> virtualKeyNamed(std::string_view name) {
    if (name.empty()) {
      fail("a key name is missing");
      return std::nullopt;
    }
    const auto key = keyFromName(name);
    const auto vk = key ? virtualKeyOf(*key) : std::nullopt;
    if (!vk) fail("unknown key name " + quote(name));
    return vk;
  }

  void post(uint32_t id, uint32_t wParam, uint32_t lParam) {
    ScriptStep step{Kind::Post, line_, Message{id, wParam, lParam}, 0, {}};
    script_.steps.push_back(step);
  }
  void frames(uint32_t n) { script_.steps.push_back(ScriptStep{Kind::Frames, line_, {}, n, {}}); }
  void add(Kind kind, uint32_t count, std::string path) {
    script_.steps.push_back(ScriptStep{kind, line_, {}, count, std::move(path)});
  }
  void pen(uint32_t id, uint32_t x, uint32_t y) {
    post(id, 0, platform::packPoint(static_cast<uint16_t>(x), static_cast<uint16_t>(y)));
  }

 private:
  Script& script_;
  int line_;
};

bool readPress(LineReader& r, std::string_view rest) {
  const auto vk = r.virtualKeyNamed(rest);
  if (!vk) return false;
  r.post(platform::kMessageKeyDown, *vk, 0);
  r.post(platform::kMessageKeyUp, *vk, 0);
  return true;
}

// The name may hold spaces ("Left Menu"); the count is the last word.
bool readHold(LineReader& r, std::string_view rest) {
  const size_t space = rest.find_last_of(" \t");
  if (space == std::string_view::npos) return r.fail("hold needs a key name and a count");
  const auto vk = r.virtualKeyNamed(trim(rest.substr(0, space)));
  if (!vk) return false;
  const auto repeats = r.number(rest.substr(space + 1), kMaxFrames, "the repeat count");
  if (!repeats || !r.roomFor(2 * uint64_t{*repeats} + 3)) return false;
  r.post(platform::kMessageKeyDown, *vk, 0);
  for (uint32_t i = 0; i < *repeats; ++i) {
    r.frames(1);
    r.post(platform::kMessageKeyDown, *vk, 0);
  }
  r.frames(1);
  r.post(platform::kMessageKeyUp, *vk, 0);
  return true;
}

bool readDrag(LineReader& r, const std::vector<std::string_view>& args) {
  if (args.size() != 4 && args.size() != 5) return r.fail("drag needs X0 Y0 X1 Y1 [STEPS]");
  uint32_t v[5] = {0, 0, 0, 0, kDefaultDragSteps};
  for (size_t i = 0; i < args.size(); ++i) {
    const auto n = i < 4 ? r.number(args[i], 65535, "a coordinate")
                         : r.number(args[i], kMaxDragSteps, "STEPS", 1);
    if (!n) return false;
    v[i] = *n;
  }
  if (!r.roomFor(2 * uint64_t{v[4]} + 3)) return false;
  r.pen(platform::kMessagePenDown, v[0], v[1]);
  const int64_t dx = int64_t(v[2]) - v[0], dy = int64_t(v[3]) - v[1];
  for (uint32_t i = 1; i <= v[4]; ++i) {
    r.frames(1);
    r.pen(platform::kMessagePenMove, static_cast<uint32_t>(v[0] + dx * i / v[4]),
          static_cast<uint32_t>(v[1] + dy * i / v[4]));
  }
  r.frames(1);
  r.pen(platform::kMessagePenUp, v[2], v[3]);
  return true;
}

bool readLine(LineReader& r, std::string_view text) {
  const size_t end = text.find_first_of(" \t");
  const std::string_view command = text.substr(0, end);
  const std::string_view rest = end == std::string_view::npos ? "" : trim(text.substr(end));
  const std::vector<std::string_view> args = splitWords(rest);
  auto expect = [&](size_t n, const char* usage) {
    return args.size() == n ? true : r.fail(std::string("usage: ") + usage);
  };
  if (!r.roomFor(2)) return false;  // the most any other command adds
  if (command == "press") return readPress(r, rest);
  if (command == "hold") return readHold(r, rest);
  if (command == "drag") return readDrag(r, args);
  if (command == "wait" || command == "sleep" || command == "vk") {
    const bool wait = command == "wait", sleep = command == "sleep";
    if (!expect(1, wait ? "wait N" : sleep ? "sleep MS" : "vk CODE")) return false;
    const auto n = r.number(args[0],
                            wait    ? kMaxFrames
                            : sleep ? kMaxSleep
                                    : 255,
                            wait    ? "the frame count"
                            : sleep ? "the time"
                                    : "the key code");
    if (!n) return false;
    if (wait) r.frames(*n);
    if (sleep) r.add(Kind::Sleep, *n, {});
    if (!wait && !sleep) {
      r.post(platform::kMessageKeyDown, *n, 0);
      r.post(platform::kMessageKeyUp, *n, 0);
    }
    return true;
  }
  if (command == "tap") {
    if (!expect(2, "tap X Y")) return false;
    const auto x = r.number(args[0], 65535, "a coordinate");
    const auto y = x ? r.number(args[1], 65535, "a coordinate") : std::nullopt;
    if (!y) return false;
    r.pen(platform::kMessagePenDown, *x, *y);
    r.pen(platform::kMessagePenUp, *x, *y);
    return true;
  }
  if (command == "shot") {
    if (rest.empty()) return r.fail("usage: shot FILE.png");
    r.add(Kind::Shot, 0, std::string(rest));
    return true;
  }
  if (command == "quit") {
    if (!expect(0, "quit")) return false;
    r.add(Kind::Quit, 0, {});
    return true;
  }
  return r.fail("unknown command " + quote(command));
}

}  // namespace

Script parseScript(std::string_view text) {
  Script script;
  int lineNumber = 0;
  // An editor's UTF-8 byte-order mark is not part of the first command.
  size_t position =
      text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
  while (position < text.size()) {
    size_t newline = text.find('\n', position);
    if (newline == std::string_view::npos) newline = text.size();
    const std::string_view line = trim(text.substr(position, newline - position));
    position = newline + 1;
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    LineReader reader(script, lineNumber);
    // A NUL would cut a file name short or a message off.
    const bool ok = line.find('\0') == std::string_view::npos
                        ? readLine(reader, line)
                        : reader.fail("the line holds a NUL byte");
    if (!ok) {
      script.steps.clear();
      break;
    }
  }
  return script;
}

}  // namespace bt
