// intro.spr and intro.ani: on a dark stage, a ring of the board turns one
// step so that four markers land on their tiles, while the game's name forms
// letter by letter below it and then catches the light.
//
// The intro draws every picture opaque at (x + W / 2, y + W / 2) and never
// clears, so the pictures here are laid out on a 176x220 stage: command
// coordinates are stage coordinates minus 88, and every later picture is
// cut from the stage so that it covers exactly what it replaces.
#include <algorithm>
#include <string_view>

#include "ArtBanks.h"
#include "Ornaments.h"
#include "Palette.h"
#include "Style.h"

namespace bt::art {

namespace {

using namespace palette;

constexpr int kStageW = 176, kStageH = 220, kOrigin = 88;
constexpr int kPitch = 22;
constexpr int kRingX = 44, kRingY = 30;  // top-left of the 4x4 cell square
constexpr int kRingPad = 4;
constexpr int kTitleX = 8, kTitleY = 134, kTitleW = 160, kTitleH = 46;
constexpr int kTurnFrames = 16, kGlowFrames = 4;
constexpr std::string_view kName = "Brambletop";

// Ring positions clockwise on screen, as (column, row) of the 4x4 square.
constexpr int kRing[8][2] = {{1, 0}, {2, 0}, {3, 1}, {3, 2}, {2, 3}, {1, 3}, {0, 2}, {0, 1}};

// 0 to 4096, eased in and out.
int64_t ease(int step, int steps) {
  int64_t t = int64_t{step} * 4096 / steps;
  return t * t * (3 * 4096 - 2 * t) / (4096 * 4096);
}

Canvas stage() {
  Canvas c(kStageW, kStageH);
  const int64_t cx = px(88), cy = px(84), reach = px(150);
  c.fill([=](int x, int y) {
    int64_t dx = px(x) + 8 - cx, dy = px(y) + 8 - cy;
    int t = static_cast<int>(std::min<int64_t>(255, isqrt(dx * dx + dy * dy) * 255 / reach));
    // Black at the stage's edges, so that on a larger display the stage
    // melts into the black around it.
    int edge = std::min({x, y, kStageW - 1 - x, kStageH - 1 - y, 15});
    return mix(kBlack, mix(Rgb{70, 46, 22}, Rgb{12, 8, 4}, t), edge * 255 / 15);
  });
  drawSprig(c, {px(2), px(210)}, true, px(34));
  drawSprig(c, {px(174), px(210)}, false, px(34));
  drawSprig(c, {px(2), px(12)}, true, px(26));
  drawSprig(c, {px(174), px(12)}, false, px(26));
  return c;
}

Canvas crop(const Canvas& from, int x, int y, int w, int h) {
  Canvas c(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) c.set(i, j, from.at(x + i, y + j));
  return c;
}

// Centre of a cell of the 4x4 square in the ring picture, sub-pixel units.
Point cellCentre(int col, int row) {
  return {px(kRingPad + col * kPitch) + px(kPitch) / 2,
          px(kRingPad + row * kPitch) + px(kPitch) / 2};
}

bool onBoard(int col, int row) {
  return !((col == 0 || col == 3) && (row == 0 || row == 3));
}

// The board piece under the ring: twelve slots in a plus shape.
void drawBoardPiece(Canvas& c) {
  const int w = c.width(), h = c.height();
  Mask shape(w, h);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col)
      if (onBoard(col, row))
        addRoundRect(shape, px(kRingPad + col * kPitch) - px(2),
                     px(kRingPad + row * kPitch) - px(2), px(kRingPad + (col + 1) * kPitch) + px(2),
                     px(kRingPad + (row + 1) * kPitch) + px(2), px(4));
  c.paint(shape.dilated(1), kInk);
  bevel(c, shape, kBoard, mix(kBoard, kWhite, 50), shade(kBoard, 60));
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      if (!onBoard(col, row)) continue;
      int64_t x = px(kRingPad + col * kPitch), y = px(kRingPad + row * kPitch);
      Mask slot = roundRectMask(w, h, x + kSub / 2, y + kSub / 2, x + px(kPitch) - kSub / 2,
                                y + px(kPitch) - kSub / 2, px(3));
      bevel(c, slot, kSlot, kSlotShadow, kSlotLight);
    }
  }
}

// A tile's frame for colour `kind` on the cell whose centre is given, the
// same shapes as the board's tiles at 22 pixels.
void drawTileFrame(Canvas& c, int kind, Point centre, int glow) {
  Mask m(c.width(), c.height());
  addTileShape(m, kind, centre.x - px(kPitch) / 2, centre.y - px(kPitch) / 2, kPitch,
               px(8) + kSub / 2);
  Rgb base = mix(kMarker[kind], kWhite, glow);
  bevel(c, m, base, mix(base, kWhite, 90), shade(base, 72));
}

// The plus-shaped outline the game draws round the selected ring.
void drawRingOutline(Canvas& c) {
  Mask outline(c.width(), c.height());
  const int64_t a = px(kRingPad) - kSub / 2, p = px(kPitch);
  const std::vector<Point> corners = {{a + p, a},
                                      {a + 3 * p, a},
                                      {a + 3 * p, a + p},
                                      {a + 4 * p, a + p},
                                      {a + 4 * p, a + 3 * p},
                                      {a + 3 * p, a + 3 * p},
                                      {a + 3 * p, a + 4 * p},
                                      {a + p, a + 4 * p},
                                      {a + p, a + 3 * p},
                                      {a, a + 3 * p},
                                      {a, a + p},
                                      {a + p, a + p}};
  for (size_t i = 0; i < corners.size(); ++i)
    addCapsule(outline, corners[i], corners[(i + 1) % corners.size()], kSub / 2);
  outline.scale(80);
  c.paint(outline, kCream);
}

// The ring at turning step `step` (0 to kTurnFrames), tiles glowing by glow.
SpriteImage ringPicture(const Canvas& background, int step, int glow) {
  const int size = 4 * kPitch + 2 * kRingPad;
  Canvas c = crop(background, kRingX - kRingPad, kRingY - kRingPad, size, size);
  drawBoardPiece(c);
  for (int colour = 0; colour < 4; ++colour) {
    const int* target = kRing[2 * colour + 1];
    drawTileFrame(c, colour, cellCentre(target[0], target[1]), glow);
  }
  const int64_t t = ease(step, kTurnFrames);
  for (int colour = 0; colour < 4; ++colour) {
    const int* from = kRing[2 * colour];
    const int* to = kRing[2 * colour + 1];
    Point a = cellCentre(from[0], from[1]), b = cellCentre(to[0], to[1]);
    Point at{a.x + (b.x - a.x) * t / 4096, a.y + (b.y - a.y) * t / 4096};
    markerBall(c, colour, at.x, at.y, px(7) + kSub / 4);
  }
  drawRingOutline(c);
  return toSprite(c);
}

// The name with each letter at its own stage of arrival (0 to 256: from
// invisible and raised to in place), and a band of light at `shine` (pixels
// from the left, or none when negative).
SpriteImage titlePicture(const Canvas& background, const BitmapFont& font, const int* arrival,
                         int shine) {
  Canvas c = crop(background, kTitleX, kTitleY, kTitleW, kTitleH);
  const int64_t scale = px(3);
  const int64_t left = (px(kTitleW) - titleWidth(font, kName, scale)) / 2;
  const int64_t top = px(8);
  int64_t pen = left;
  for (size_t i = 0; i < kName.size(); ++i) {
    const char letter[2] = {kName[i], 0};
    const int a = arrival[i];
    const int64_t lift = (256 - a) * px(10) / 256;
    if (a > 0) {
      Mask ink(kTitleW, kTitleH);
      font.render(ink, letter, pen, top - lift, scale);
      Mask outline = ink.dilated(1);
      Mask shadow = outline;
      ink.scale(a * 100 / 256);
      outline.scale(a * 100 / 256);
      shadow.scale(a * 100 / 256);
      c.paint(shadow, kBerryDark, 1, 2);
      c.paint(outline, kBerry);
      const int y0 = static_cast<int>(top / kSub), y1 = static_cast<int>((top + 7 * scale) / kSub);
      c.paint(ink, [=](int x, int y) {
        Rgb face =
            mix(kBrassLight, kBrass, std::clamp((y - y0) * 255 / std::max(1, y1 - y0), 0, 255));
        if (shine < 0) return face;
        int d = std::abs(x + (y - y0) / 2 - shine);
        return d < 6 ? mix(face, kWhite, 200 - d * 30) : face;
      });
    }
    pen += (font.glyph(kName[i])->width + 1) * scale;
  }
  return toSprite(c);
}

}  // namespace

IntroArt introArt(const Fonts& fonts) {
  IntroArt out;
  const Canvas background = stage();
  auto add = [&](SpriteImage s) {
    out.sprites.push_back(std::move(s));
    return static_cast<int>(out.sprites.size()) - 1;
  };
  auto frame = [&](int sprite, int stageX, int stageY) {
    out.script.push_back(animationFrame(sprite, stageX - kOrigin, stageY - kOrigin));
  };
  const int ringX = kRingX - kRingPad, ringY = kRingY - kRingPad;

  const int stagePicture = add(toSprite(background));
  std::vector<int> ring, title;
  for (int step = 0; step <= kTurnFrames; ++step)
    ring.push_back(add(ringPicture(background, step, 0)));
  for (int g = 1; g <= kGlowFrames; ++g) {
    int glow = (g <= kGlowFrames / 2 ? g : kGlowFrames + 1 - g) * 60;
    ring.push_back(add(ringPicture(background, kTurnFrames, glow)));
  }
  // Letter i starts arriving at step 1.2 * i and takes four steps.
  for (int step = 1; step <= kTurnFrames; ++step) {
    int arrival[16];
    for (size_t i = 0; i < kName.size(); ++i)
      arrival[i] = std::clamp((step * 10 - static_cast<int>(i) * 12) * 256 / 40, 0, 256);
    title.push_back(add(titlePicture(background, fonts.large, arrival, -1)));
  }
  int done[16];
  std::fill(std::begin(done), std::end(done), 256);
  for (int g = 1; g <= kGlowFrames; ++g)
    title.push_back(
        add(titlePicture(background, fonts.large, done, g * kTitleW / kGlowFrames - 10)));

  out.script.push_back(animationDelay(1));
  frame(stagePicture, 0, 0);
  frame(ring[0], ringX, ringY);
  out.script.push_back(animationDelay(24));  // a moment to see the board
  frame(ring[0], ringX, ringY);
  out.script.push_back(animationDelay(2));
  for (int step = 1; step <= kTurnFrames + kGlowFrames; ++step) {
    frame(ring[step], ringX, ringY);
    frame(title[step - 1], kTitleX, kTitleY);
  }
  out.script.push_back(animationDelay(40));  // the finished picture, then the menu
  frame(title[kTurnFrames - 1], kTitleX, kTitleY);
  return out;
}

}  // namespace bt::art
