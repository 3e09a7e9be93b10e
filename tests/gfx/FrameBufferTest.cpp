#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "gfx/Colour.h"
#include "gfx/FrameBuffer.h"
#include "gfx/GfxTestSupport.h"

namespace bt {
namespace {

using Points = std::vector<std::pair<int, int>>;

// Sorted row by row, the order changedPixels reports.
Points byRows(Points points) {
  std::sort(points.begin(), points.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second < b.second : a.first < b.first;
  });
  return points;
}

TEST(FrameBufferTest, StartsBlackWithWholeBufferClip) {
  FrameBuffer fb(24, 16);
  EXPECT_TRUE(test::changedPixels(fb).empty());
  const ClipRect& clip = fb.clipRect();
  EXPECT_EQ(clip.left, 0);
  EXPECT_EQ(clip.right, 24);
  EXPECT_EQ(clip.top, 0);
  EXPECT_EQ(clip.bottom, 16);
  EXPECT_EQ(fb.byteSize(), 24u * 16u * 2u);

  fb.fill(kGameBackground);
  EXPECT_TRUE(test::changedPixels(fb, kGameBackground).empty());
  fb.clear();
  EXPECT_TRUE(test::changedPixels(fb).empty());
}

TEST(FrameBufferTest, SetPixelWritesOnlyInside) {
  FrameBuffer fb(8, 6);
  for (auto [x, y] : Points{{-1, 0}, {0, -1}, {8, 0}, {0, 6}, {8, 6}, {-100, 3}}) {
    fb.setPixel(x, y, kWhite);
  }
  EXPECT_TRUE(test::changedPixels(fb).empty());
  fb.setPixel(7, 5, kWhite);
  fb.setPixel(0, 0, kWhite);
  EXPECT_EQ(test::changedPixels(fb), (Points{{0, 0}, {7, 5}}));
}

struct LineCase {
  int x0, y0, x1, y1;
  Points expected;
};

TEST(FrameBufferTest, LinePlotsTheseExactPoints) {
  const Points shallow = {{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 2},
                          {6, 2}, {7, 2}, {8, 3}, {9, 3}, {10, 3}};
  Points steep;
  for (auto [x, y] : shallow) steep.emplace_back(y, x);
  Points leftward;  // the shallow line mirrored: (10,0) down to (0,3)
  for (auto [x, y] : shallow) leftward.emplace_back(10 - x, y);
  Points diagonal, horizontal, vertical, clipped, clippedDiagonal;
  for (int i = 0; i <= 4; ++i) diagonal.emplace_back(i, i);
  for (int i = 0; i <= 7; ++i) horizontal.emplace_back(i, 4);
  for (int i = 0; i <= 7; ++i) vertical.emplace_back(2, i);
  for (int i = 0; i < 16; ++i) clipped.emplace_back(i, 2);
  for (int i = 0; i <= 3; ++i) clippedDiagonal.emplace_back(i, i);

  const std::vector<LineCase> cases = {
      {0, 0, 10, 3, shallow},
      {0, 0, 3, 10, steep},
      {10, 0, 0, 3, leftward},
      {0, 3, 10, 0, leftward},  // given bottom-up: drawn from its upper end
      {5, 5, 5, 5, {{5, 5}}},
      {0, 0, 4, 4, diagonal},
      {0, 4, 7, 4, horizontal},
      {2, 0, 2, 7, vertical},
      {-5, 2, 20, 2, clipped},          // runs out on both sides
      {-3, -3, 3, 3, clippedDiagonal},  // starts outside, carries on inside
      {20, 2, 30, 5, {}},               // wholly outside
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "(" << c.x0 << "," << c.y0 << ")-(" << c.x1 << "," << c.y1 << ")");
    FrameBuffer fb(16, 12);
    fb.drawLine(c.x0, c.y0, c.x1, c.y1, kWhite);
    EXPECT_EQ(test::changedPixels(fb), byRows(c.expected));
  }
}

struct FadeCase {
  const char* name;
  uint16_t start;
  bool red, green, blue;
  uint16_t afterFirst;
  int darkeningCalls;  // calls that return false before the first true
  uint16_t end;
};

TEST(FrameBufferTest, FadeStepCountsAndResults) {
  const std::vector<FadeCase> cases = {
      {"white", kWhite, true, true, true, rgb565(208, 212, 208), 7, kBlack},
      {"black", kBlack, true, true, true, kBlack, 0, kBlack},
      {"white, red only", kWhite, true, false, false, rgb565(208, 252, 248), 7, 0x07FF},
      {"green, red only", 0x07E0, true, false, false, 0x07E0, 0, 0x07E0},
      {"red below step", rgb565(8, 0, 0), true, true, true, kBlack, 1, kBlack},
      {"blue only", rgb565(8, 100, 48), false, false, true, rgb565(8, 100, 8), 2,
       rgb565(8, 100, 0)},
  };
  for (const FadeCase& c : cases) {
    SCOPED_TRACE(c.name);
    FrameBuffer fb(5, 3);
    fb.fill(c.start);
    int falses = 0;
    while (!fb.fadeStep(40, c.red, c.green, c.blue) && falses < 20) {
      if (++falses == 1) {
        EXPECT_EQ(fb.pixel(4, 2), c.afterFirst);
      }
    }
    EXPECT_EQ(falses, c.darkeningCalls);
    EXPECT_TRUE(test::changedPixels(fb, c.end).empty());
  }
}

TEST(FrameBufferTest, EmptyBufferIsAlwaysFaded) {
  FrameBuffer fb(0, 10);
  EXPECT_TRUE(fb.fadeStep(40, true, true, true));
  fb.clear();
  fb.fill(kWhite);
  fb.drawLine(0, 0, 5, 5, kWhite);
}

}  // namespace
}  // namespace bt
