#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/GfxTestSupport.h"
#include "gfx/SlidingItem.h"

namespace bt {
namespace {

struct Slide {
  const char* name;
  int start, rest, step;
  std::vector<int> path;  // the value after each update that moves
};

// Full steps while they do not pass the rest value, then single pixels.
const std::vector<Slide> kSlides = {
    {"from the left edge", -176, 26, 12, {-164, -152, -140, -128, -116, -104, -92, -80, -68,
                                          -56,  -44,  -32,  -20,  -8,   4,    16,  17,  18,
                                          19,   20,   21,   22,   23,   24,   25,  26}},
    {"a step longer than the way", 0, 5, 12, {1, 2, 3, 4, 5}},
    {"from the right, creeping", 100, 45, -12, {88, 76, 64, 52, 51, 50, 49, 48, 47, 46, 45}},
    {"from the right, exact", 100, 40, -12, {88, 76, 64, 52, 40}},
    {"already at rest", 7, 7, 12, {}},
};

TEST(SlidingItemTest, EachAxisMovesAtFullSpeedThenCreepsToItsRestValue) {
  for (const Slide& s : kSlides) {
    SCOPED_TRACE(s.name);
    for (bool vertical : {false, true}) {
      SCOPED_TRACE(vertical ? "y" : "x");
      SlidingItem item;
      if (vertical) {
        item.set(3, s.start, 3, s.rest, 0, s.step, nullptr);
      } else {
        item.set(s.start, 3, s.rest, 3, s.step, 0, nullptr);
      }
      std::vector<int> path;
      while (item.update() && path.size() < 100) {
        path.push_back(vertical ? item.y : item.x);
        EXPECT_EQ(vertical ? item.x : item.y, 3) << "the other axis stays";
      }
      EXPECT_EQ(path, s.path);
      EXPECT_FALSE(item.update()) << "at rest for good";
      EXPECT_EQ(vertical ? item.y : item.x, s.rest);
    }
  }
}

TEST(SlidingItemTest, AnAxisThatArrivesFirstStopsAtItsRestValue) {
  SlidingItem item;
  item.set(0, 0, 5, 30, 12, 12, nullptr);
  std::vector<std::pair<int, int>> path;
  while (item.update() && path.size() < 100) path.emplace_back(item.x, item.y);
  const std::vector<std::pair<int, int>> expected = {{1, 12}, {2, 24}, {3, 25}, {4, 26},
                                                     {5, 27}, {5, 28}, {5, 29}, {5, 30}};
  EXPECT_EQ(path, expected);
}

TEST(SlidingItemTest, DrawMovesFirstThenDrawsOpaqueAnchoredAndClipped) {
  Sprite sprite = test::patternSprite(6, 4);
  sprite.anchorX = 3;
  sprite.anchorY = 2;
  struct Case {
    const char* name;
    int startX, restX, step;
    bool moves;
    int drawnX;  // where the anchor lands
  };
  const Case cases[] = {
      {"at rest draws in place", 10, 10, 12, false, 10},
      {"moving draws at the new point", 0, 20, 12, true, 12},
      {"partly left of the buffer", -12, 20, 12, true, 0},
      {"partly right of the buffer", 40, 0, -12, true, 28},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrameBuffer fb(30, 10);
    SlidingItem item;
    item.set(c.startX, 5, c.restX, 5, c.step, 0, &sprite);
    EXPECT_EQ(item.draw(fb), c.moves);
    EXPECT_EQ(item.x, c.drawnX);
    for (int y = 0; y < fb.height(); ++y) {
      for (int x = 0; x < fb.width(); ++x) {
        const int i = x - (c.drawnX - 3), j = y - 3;
        const bool inside = i >= 0 && i < 6 && j >= 0 && j < 4;
        ASSERT_EQ(fb.pixel(x, y), inside ? sprite.pixels[j * 6 + i] : 0) << x << "," << y;
      }
    }
  }
}

TEST(SlidingItemTest, WithoutASpriteItStillMovesButDrawsNothing) {
  FrameBuffer fb(30, 10);
  SlidingItem item;
  item.set(0, 5, 20, 5, 12, 0, nullptr);
  EXPECT_TRUE(item.draw(fb));
  EXPECT_TRUE(item.draw(fb));
  EXPECT_EQ(item.x, 13);
  EXPECT_TRUE(test::changedPixels(fb).empty());
}

}  // namespace
}  // namespace bt
