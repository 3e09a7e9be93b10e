#include <gtest/gtest.h>

#include "main/Script.h"

namespace bt {
namespace {

using platform::kMessageKeyDown;
using platform::kMessageKeyUp;
using platform::kMessagePenDown;
using platform::kMessagePenMove;
using platform::kMessagePenUp;
using platform::packPoint;
using Kind = ScriptStep::Kind;

// One line per step: "post ID W L", "frames N", "shot PATH", "sleep N", "quit".
std::vector<std::string> describe(const Script& script) {
  std::vector<std::string> lines;
  for (const ScriptStep& s : script.steps) {
    switch (s.kind) {
      case Kind::Post:
        lines.push_back("post " + std::to_string(s.message.id) + " " +
                        std::to_string(s.message.wParam) + " " + std::to_string(s.message.lParam));
        break;
      case Kind::Frames:
        lines.push_back("frames " + std::to_string(s.count));
        break;
      case Kind::Shot:
        lines.push_back("shot " + s.path);
        break;
      case Kind::Sleep:
        lines.push_back("sleep " + std::to_string(s.count));
        break;
      case Kind::Quit:
        lines.push_back("quit");
        break;
    }
  }
  return lines;
}

std::string post(uint32_t id, uint32_t w, uint32_t l = 0) {
  return "post " + std::to_string(id) + " " + std::to_string(w) + " " + std::to_string(l);
}

TEST(Script, CommandsBecomeMessagesAndFrames) {
  const Script script = parseScript(
      "# a comment\r\n"
      "\n"
      "  wait 3  \r\n"
      "press Left Menu\n"
      "press *\n"
      "hold 2 2\n"
      "vk 116\n"
      "tap 10 65535\n"
      "drag 0 0 10 20 2\n"
      "shot out/my shot.png\n"
      "sleep 50\n"
      "quit");
  ASSERT_EQ(script.errorLine, 0) << script.error;
  const std::vector<std::string> expected = {"frames 3",
                                             post(kMessageKeyDown, 112),
                                             post(kMessageKeyUp, 112),
                                             post(kMessageKeyDown, 192),
                                             post(kMessageKeyUp, 192),
                                             post(kMessageKeyDown, 50),
                                             "frames 1",
                                             post(kMessageKeyDown, 50),
                                             "frames 1",
                                             post(kMessageKeyDown, 50),
                                             "frames 1",
                                             post(kMessageKeyUp, 50),
                                             post(kMessageKeyDown, 116),
                                             post(kMessageKeyUp, 116),
                                             post(kMessagePenDown, 0, packPoint(10, 65535)),
                                             post(kMessagePenUp, 0, packPoint(10, 65535)),
                                             post(kMessagePenDown, 0, packPoint(0, 0)),
                                             "frames 1",
                                             post(kMessagePenMove, 0, packPoint(5, 10)),
                                             "frames 1",
                                             post(kMessagePenMove, 0, packPoint(10, 20)),
                                             "frames 1",
                                             post(kMessagePenUp, 0, packPoint(10, 20)),
                                             "shot out/my shot.png",
                                             "sleep 50",
                                             "quit"};
  EXPECT_EQ(describe(script), expected);
}

TEST(Script, TheFirstLineThatCannotBeReadIsNamed) {
  struct Case {
    const char* text;
    int line;
    const char* message;  // part of it
  };
  for (const Case c : {Case{"wait 1\njump 3\n", 2, "unknown command 'jump'"},
                       {"# c\n\npress Nope\n", 3, "unknown key name 'Nope'"},
                       {"press\n", 1, "key name is missing"},
                       {"press Press Key\n", 1, "unknown key name"},  // not a keypad key
                       {"wait -1\n", 1, "'-1'"},
                       {"wait 3 4\n", 1, "usage: wait N"},
                       {"wait 99999999999\n", 1, "from 0 to"},
                       {"vk 256\n", 1, "'256'"},
                       {"tap 1\n", 1, "usage: tap X Y"},
                       {"tap 1 65536\n", 1, "'65536'"},
                       {"drag 1 2 3\n", 1, "drag needs"},
                       {"drag 1 2 3 4 0\n", 1, "at least 1"},
                       {"drag 1 2 3 4 1001\n", 1, "at least 1 and at most 1000"},
                       {"wait 1\nhold Action 10000000\n", 2, "more than 1000000 steps"},
                       {"hold Action\n", 1, "hold needs"},
                       {"hold Action x\n", 1, "'x'"},
                       {"sleep 1x\n", 1, "'1x'"},
                       {"quit now\n", 1, "usage: quit"},
                       {"shot\n", 1, "usage: shot"}}) {
    SCOPED_TRACE(c.text);
    const Script script = parseScript(c.text);
    EXPECT_EQ(script.errorLine, c.line);
    EXPECT_NE(script.error.find(c.message), std::string::npos) << script.error;
    EXPECT_TRUE(script.steps.empty());
  }
}

// Text no editor should put in a script: a byte-order mark is skipped, a NUL
// refused, and a long or hostile word comes back cut and escaped.
TEST(Script, ByteOrderMarksNulsAndHostileWords) {
  const Script marked = parseScript("\xEF\xBB\xBFwait 2\n");
  EXPECT_EQ(marked.errorLine, 0) << marked.error;
  EXPECT_EQ(describe(marked), std::vector<std::string>{"frames 2"});

  const Script nul = parseScript(std::string_view("wait 1\nshot a\0.png\n", 19));
  EXPECT_EQ(nul.errorLine, 2);
  EXPECT_NE(nul.error.find("NUL"), std::string::npos) << nul.error;

  const std::string hostile = "press \x1b[2J" + std::string(1 << 20, 'k') + "\n";
  const Script loud = parseScript(hostile);
  EXPECT_EQ(loud.errorLine, 1);
  EXPECT_LT(loud.error.size(), 200u);
  EXPECT_EQ(loud.error.find('\x1b'), std::string::npos) << loud.error;
  EXPECT_NE(loud.error.find("'\\x1b[2Jkkk"), std::string::npos) << loud.error;
}

}  // namespace
}  // namespace bt
