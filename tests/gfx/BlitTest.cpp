#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "gfx/GfxTestSupport.h"

namespace bt {
namespace {

constexpr uint16_t kBackground = 0x1234;
constexpr uint16_t kInk = 0xABCD;

enum class Mode { Opaque, Keyed, Silhouette };

struct Routine {
  const char* name;
  Mode mode;
  void (*blit)(const Sprite*, FrameBuffer&, int32_t, int32_t, bool);
};

void silhouetteInk(const Sprite* s, FrameBuffer& fb, int32_t x, int32_t y, bool anchored) {
  blitSilhouette(s, fb, x, y, anchored, kInk);
}

const std::vector<Routine> kRoutines = {
    {"blitOpaque", Mode::Opaque, blitOpaque},
    {"blitOpaqueClipped", Mode::Opaque, blitOpaqueClipped},
    {"blitKeyed", Mode::Keyed, blitKeyed},
    {"blitKeyedClipped", Mode::Keyed, blitKeyedClipped},
    {"blitSilhouette", Mode::Silhouette, silhouetteInk},
};

// What a blit must leave: a pixel-by-pixel drawing that drops every pixel
// outside the buffer.
FrameBuffer expectedPicture(const Sprite& sprite, int w, int h, int64_t x, int64_t y, Mode mode) {
  FrameBuffer fb(w, h);
  fb.fill(kBackground);
  for (int j = 0; j < sprite.height; ++j) {
    for (int i = 0; i < sprite.width; ++i) {
      const int64_t u = x + i, v = y + j;
      if (u < 0 || v < 0 || u >= w || v >= h) continue;
      const uint16_t s = sprite.pixels[j * sprite.width + i];
      if (mode == Mode::Opaque) fb.setPixel(int(u), int(v), s);
      if (mode == Mode::Keyed && s != 0) fb.setPixel(int(u), int(v), s);
      if (mode == Mode::Silhouette && s != 0) fb.setPixel(int(u), int(v), kInk);
    }
  }
  return fb;
}

bool samePicture(const FrameBuffer& a, const FrameBuffer& b) {
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
    }
  }
  return true;
}

// Every routine, at positions that cross each edge, sit exactly on it, or
// miss the buffer, against the pixel-by-pixel picture. The unclipped
// routines are held to the same result, so they never write outside. The
// second sprite is as wide as the buffer, whose rows can go as one block;
// the third is wider.
TEST(BlitTest, EveryRoutineClipsAtEveryEdge) {
  constexpr int W = 40, H = 30;
  const Sprite sprites[] = {test::patternSprite(20, 20), test::patternSprite(W, 12),
                            test::patternSprite(W + 7, 9)};
  struct Position {
    int32_t x, y;
  };
  const std::vector<Position> positions = {
      {10, 5},        {0, 0},     {-5, -5},       {W - 20, H - 20}, {W - 19, 3},    {3, H - 19},
      {W - 1, H - 1}, {-19, -19}, {-20, 5},       {5, -20},         {W, 5},         {5, H},
      {-7, 12},       {12, -7},   {INT32_MIN, 0}, {0, INT32_MIN},   {INT32_MAX, 0}, {0, INT32_MAX},
  };
  for (const Sprite& sprite : sprites) {
    for (const Routine& routine : kRoutines) {
      for (const Position& p : positions) {
        SCOPED_TRACE(testing::Message()
                     << routine.name << " of " << int(sprite.width) << "x" << int(sprite.height)
                     << " at (" << p.x << "," << p.y << ")");
        FrameBuffer fb(W, H);
        fb.fill(kBackground);
        routine.blit(&sprite, fb, p.x, p.y, false);
        EXPECT_TRUE(samePicture(fb, expectedPicture(sprite, W, H, p.x, p.y, routine.mode)));
      }
    }
  }
}

TEST(BlitTest, ClippedCornerShowsLowerRightPart) {
  const Sprite sprite = test::patternSprite(20, 20);
  FrameBuffer fb(40, 30);
  blitOpaqueClipped(&sprite, fb, -5, -5, false);
  EXPECT_EQ(fb.pixel(0, 0), sprite.pixels[5 * 20 + 5]);
  EXPECT_EQ(fb.pixel(14, 14), sprite.pixels[19 * 20 + 19]);
  EXPECT_EQ(fb.pixel(15, 0), 0);
  EXPECT_EQ(fb.pixel(0, 15), 0);
}

TEST(BlitTest, AnchoredPlacesTopLeftByOffsetAndAnchor) {
  Sprite sprite = test::patternSprite(4, 4);
  sprite.pixels[0] = 0xFFFF;  // a visible top-left pixel for every routine
  sprite.offsetX = -2;
  sprite.offsetY = 3;
  sprite.anchorX = 5;
  sprite.anchorY = 4;
  for (const Routine& routine : kRoutines) {
    SCOPED_TRACE(routine.name);
    for (bool anchored : {false, true}) {
      FrameBuffer fb(40, 30);
      routine.blit(&sprite, fb, 10, 20, anchored);
      const auto changed = test::changedPixels(fb);
      ASSERT_FALSE(changed.empty());
      EXPECT_EQ(changed.front(), anchored ? std::pair(3, 19) : std::pair(10, 20));
    }
  }
}

TEST(BlitTest, KeyedSkipsBlackWhereOpaqueWritesIt) {
  Sprite sprite;
  sprite.width = 2;
  sprite.height = 1;
  sprite.pixels = {0x0000, 0x07E0};
  FrameBuffer keyed(2, 1), opaque(2, 1), silhouette(2, 1);
  for (FrameBuffer* fb : {&keyed, &opaque, &silhouette}) fb->fill(kBackground);
  blitKeyed(&sprite, keyed, 0, 0, false);
  blitOpaque(&sprite, opaque, 0, 0, false);
  blitSilhouette(&sprite, silhouette, 0, 0, false, kWhite);
  EXPECT_EQ(keyed.pixel(0, 0), kBackground);
  EXPECT_EQ(keyed.pixel(1, 0), 0x07E0);
  EXPECT_EQ(opaque.pixel(0, 0), kBlack);
  EXPECT_EQ(opaque.pixel(1, 0), 0x07E0);
  EXPECT_EQ(silhouette.pixel(0, 0), kBackground);
  EXPECT_EQ(silhouette.pixel(1, 0), kWhite);
}

TEST(BlitTest, NothingToDrawLeavesBufferAlone) {
  Sprite empty;
  empty.width = 5;  // width without height, and no pixels
  Sprite inconsistent = test::patternSprite(4, 4);
  inconsistent.pixels.resize(3);  // fewer pixels than the size says
  for (const Routine& routine : kRoutines) {
    SCOPED_TRACE(routine.name);
    FrameBuffer fb(8, 8);
    fb.fill(kBackground);
    routine.blit(nullptr, fb, 0, 0, false);
    routine.blit(&empty, fb, 0, 0, false);
    routine.blit(&inconsistent, fb, 0, 0, false);
    EXPECT_TRUE(test::changedPixels(fb, kBackground).empty());
  }
}

}  // namespace
}  // namespace bt
