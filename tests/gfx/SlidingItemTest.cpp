#include <gtest/gtest.h>

#include <vector>

#include "gfx/GfxTestSupport.h"
#include "gfx/SlidingItem.h"

namespace bt {
namespace {

// Full steps while they do not pass the rest point, then one pixel a call.
TEST(SlidingItemTest, StepsThenCreepsToItsRest) {
  struct Case {
    int32_t start, rest, step;
    std::vector<int32_t> path;  // x after each moving update
  };
  const std::vector<Case> cases = {
      {0, 5, 12, {1, 2, 3, 4, 5}},
      {100, 45, -12, {88, 76, 64, 52, 51, 50, 49, 48, 47, 46, 45}},
      {100, 40, -12, {88, 76, 64, 52, 40}},
      {7, 7, 12, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    SlidingItem item;
    item.set(c.start, 9, c.rest, 9, c.step, 0, nullptr);
    std::vector<int32_t> path;
    while (item.update()) {
      path.push_back(item.x);
      ASSERT_LT(path.size(), 100u);
    }
    EXPECT_EQ(path, c.path);
    EXPECT_EQ(item.y, 9);
  }
  SlidingItem item;
  item.set(-176, 0, 26, 0, 12, 0, nullptr);
  int moves = 0;
  while (item.update()) ++moves;
  EXPECT_EQ(moves, 26) << "16 full steps to x 16, then ten pixels";
}

TEST(SlidingItemTest, DrawMovesFirstAndClipsAtTheEdge) {
  const Sprite sprite = test::patternSprite(4, 4);
  FrameBuffer fb(8, 8);
  SlidingItem item;
  item.set(6, 0, 6, 0, 0, 12, &sprite);
  EXPECT_FALSE(item.draw(fb)) << "already at rest, drawn in place";
  EXPECT_EQ(fb.pixel(6, 0), sprite.pixels[0]);
  EXPECT_EQ(fb.pixel(7, 3), sprite.pixels[13]);
  item.set(0, -3, 0, 0, 0, 12, &sprite);
  EXPECT_TRUE(item.draw(fb));
  EXPECT_EQ(item.y, -2);
  EXPECT_EQ(fb.pixel(1, 0), sprite.pixels[2 * 4 + 1]) << "the rows above the top are cut";
}

}  // namespace
}  // namespace bt
