#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GfxTestSupport.h"
#include "gfx/Animation.h"
#include "gfx/AnimationWriter.h"
#include "storage/ByteWriter.h"
#include "storage/StoredFile.h"

namespace bt {
namespace {

AnimationCommand cmd(uint32_t type, int16_t argument, int16_t x = 0, int16_t y = 0) {
  AnimationCommand c;
  c.type = type;
  c.argument = argument;
  c.x = x;
  c.y = y;
  return c;
}
AnimationCommand frame(int16_t sprite) {
  return cmd(0, sprite);
}

// One advance: the result, and the command current afterwards (-1: none,
// -2: a command, whichever).
struct Step {
  uint16_t result;
  int current;
};

struct ScriptCase {
  const char* name;
  std::vector<AnimationCommand> script;
  std::vector<Step> steps;
};

class AnimationScriptTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(AnimationScriptTest, AdvancesAsScripted) {
  const ScriptCase& c = GetParam();
  AnimationSequence s;
  s.commands = c.script;
  for (size_t i = 0; i < c.steps.size(); ++i) {
    SCOPED_TRACE("advance " + std::to_string(i + 1));
    EXPECT_EQ(AnimationPlayer::advance(s), c.steps[i].result);
    const AnimationCommand* current = AnimationPlayer::currentCommand(s);
    if (c.steps[i].current == -2) {
      EXPECT_NE(current, nullptr);
    } else if (c.steps[i].current < 0) {
      EXPECT_EQ(current, nullptr);
    } else {
      ASSERT_NE(current, nullptr);
      EXPECT_EQ(s.current, c.steps[i].current);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, AnimationScriptTest,
    testing::Values(
        ScriptCase{"TwoFramesThenEnd", {frame(10), frame(11)}, {{2, 0}, {2, 1}, {0, -1}, {0, -1}}},
        ScriptCase{"DelayHoldsEachFrame",
                   {cmd(1, 3), frame(10), frame(11)},
                   {{2, 1}, {1, 1}, {1, 1}, {2, 2}, {1, 2}, {1, 2}, {0, -1}}},
        ScriptCase{"RepeatRunsBodyCountTimes",
                   {cmd(2, 3), frame(10), cmd(3, -1), frame(11)},
                   {{2, 1}, {2, 1}, {2, 1}, {2, 3}, {0, -1}}},
        ScriptCase{
            "YieldReturnsItsArgumentAndGoesOn", {cmd(5, 7), frame(10)}, {{7, 0}, {2, 1}, {0, -1}}},
        ScriptCase{"EmptyFrameIsAFrame", {cmd(6, 0), frame(10)}, {{2, 0}, {2, 1}}},
        ScriptCase{"JumpBackLoopsForever",
                   {cmd(1, 1), frame(10), frame(11), cmd(4, -2)},
                   {{2, 1}, {2, 2}, {2, 1}, {2, 2}, {2, 1}}},
        ScriptCase{"JumpOnItselfReturnsWaiting", {cmd(4, 0), frame(10)}, {{1, 0}, {1, 0}}},
        ScriptCase{"ControlOnlyCycleReturnsWaiting",
                   {cmd(1, 0), cmd(2, 2), cmd(4, -2)},
                   {{1, -2}, {1, -2}}},
        ScriptCase{
            "UnknownTypeIsSkipped", {cmd(7, 99), cmd(200, -1), frame(10)}, {{2, 2}, {0, -1}}}),
    [](const testing::TestParamInfo<ScriptCase>& info) { return info.param.name; });

TEST(AnimationPlayerTest, RepeatCountZeroRunsTheBody256Times) {
  AnimationSequence s;
  s.commands = {cmd(2, 0), frame(10), cmd(3, -1), frame(11)};
  int shown = 0;
  while (AnimationPlayer::advance(s) == 2 && AnimationPlayer::currentCommand(s)->argument == 10)
    ++shown;
  EXPECT_EQ(shown, 256);
  EXPECT_EQ(AnimationPlayer::currentCommand(s)->argument, 11);
}

TEST(AnimationPlayerTest, CommandIndicesWrapAt256) {
  AnimationSequence s;
  for (int i = 0; i < 300; ++i) s.commands.push_back(frame(static_cast<int16_t>(i)));
  for (int i = 0; i < 256; ++i) ASSERT_EQ(AnimationPlayer::advance(s), 2);
  EXPECT_EQ(AnimationPlayer::currentCommand(s)->argument, 255);
  EXPECT_EQ(AnimationPlayer::advance(s), 2);
  EXPECT_EQ(AnimationPlayer::currentCommand(s)->argument, 0);
}

TEST(AnimationPlayerTest, RestartAfterEndKeepsTheDelay) {
  AnimationSequence s;
  s.commands = {cmd(1, 2), frame(10)};
  EXPECT_EQ(AnimationPlayer::advance(s), 2);
  EXPECT_EQ(AnimationPlayer::advance(s), 1);
  EXPECT_EQ(AnimationPlayer::advance(s), 0);
  EXPECT_EQ(AnimationPlayer::advance(s), 1);  // past the end the delay still runs
  EXPECT_EQ(AnimationPlayer::advance(s), 0);
  AnimationPlayer::restart(s);
  EXPECT_EQ(s.current, 0);
  EXPECT_EQ(s.delay, 2);
  EXPECT_EQ(AnimationPlayer::advance(s), 1);  // tick 1 < delay 2
  EXPECT_EQ(AnimationPlayer::advance(s), 2);
  EXPECT_EQ(AnimationPlayer::currentCommand(s)->argument, 10);
}

TEST(AnimationPlayerTest, EmptySequenceEndsAtOnce) {
  AnimationSequence s;
  EXPECT_EQ(AnimationPlayer::currentCommand(s), nullptr);
  EXPECT_EQ(AnimationPlayer::advance(s), 0);
}

// File contents: header bytes 0 to 25, the given sequence count, then each
// sequence.
ByteWriter animationBytes(const std::vector<AnimationScript>& sequences, int32_t sequenceCount) {
  AnimationHeader header;
  for (size_t i = 0; i < header.size(); ++i) header[i] = static_cast<uint8_t>(i);
  return writeAnimation(sequences, header, sequenceCount);
}

TEST(AnimationLoadTest, ReadsSequencesWithSignedFields) {
  test::TempFolder dir;
  const std::string path = dir.file("intro.ani");
  ASSERT_TRUE(
      saveStored(animationBytes({{cmd(1, 3), cmd(0, 5, -88, -30)}, {cmd(4, -1)}}, 2), path));
  Animation a;
  ASSERT_TRUE(a.load(path));
  ASSERT_EQ(a.count(), 2u);
  EXPECT_EQ(a.header()[25], 25);
  const AnimationSequence* first = a.sequence(0);
  ASSERT_EQ(first->commands.size(), 2u);
  EXPECT_EQ(first->commands[1].x, -88);
  EXPECT_EQ(first->commands[1].y, -30);
  EXPECT_EQ(first->commands[1].argument, 5);
  EXPECT_EQ(first->delay, 0);
  EXPECT_EQ(a.sequence(1)->commands[0].argument, -1);
  EXPECT_EQ(a.sequence(2), nullptr);
}

TEST(AnimationLoadTest, MissingFileLeavesNoSequences) {
  test::TempFolder dir;
  Animation a;
  ASSERT_TRUE(saveStored(animationBytes({{frame(1)}}, 1), dir.file("a.ani")));
  ASSERT_TRUE(a.load(dir.file("a.ani")));
  EXPECT_FALSE(a.load(dir.file("missing.ani")));
  EXPECT_EQ(a.sequence(0), nullptr);
}

TEST(AnimationLoadTest, DamagedCountsKeepWhatIsWhole) {
  test::TempFolder dir;
  // Claims 1000 sequences; the one present claims 50 commands but holds 3
  // and a half.
  ByteWriter w = animationBytes({}, 1000);
  w.appendInt32(50);
  ByteWriter body = animationBytes({{frame(1), frame(2), frame(3)}}, 1);
  w.appendBytes(body.data() + 34, body.length() - 34);
  w.appendBytes("\x00\x01\x02\x03", 4);
  ASSERT_TRUE(saveStored(w, dir.file("bad.ani")));
  Animation a;
  ASSERT_TRUE(a.load(dir.file("bad.ani")));
  ASSERT_EQ(a.count(), 1u);
  EXPECT_EQ(a.sequence(0)->commands.size(), 3u);

  ASSERT_TRUE(saveStored(animationBytes({}, -5), dir.file("none.ani")));
  ASSERT_TRUE(a.load(dir.file("none.ani")));
  EXPECT_EQ(a.count(), 0u);
}

}  // namespace
}  // namespace bt
