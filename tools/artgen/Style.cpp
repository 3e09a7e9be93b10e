#include "Style.h"

#include <algorithm>
#include <stdexcept>

#include "Palette.h"

namespace bt::art {

Paint verticalGradient(int y0, int y1, Rgb top, Rgb bottom) {
  return [=](int, int y) {
    int span = std::max(1, y1 - y0);
    return mix(top, bottom, (y - y0) * 255 / span);
  };
}

void bevel(Canvas& c, const Mask& shape, Rgb base, Rgb light, Rgb dark, int depth) {
  c.paint(shape, base);
  Mask lit = shape;
  lit.subtract(shape, depth, depth);
  Mask shadowed = shape;
  shadowed.subtract(shape, -depth, -depth);
  c.paint(lit, light);
  c.paint(shadowed, dark);
}

void plate(Canvas& c, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius, Rgb faceTop,
           Rgb faceBottom) {
  using namespace palette;
  const int w = c.width(), h = c.height();
  c.paint(roundRectMask(w, h, x0, y0, x1, y1, radius), kInk);
  int64_t r1 = std::max<int64_t>(radius - px(1), 0);
  bevel(c, roundRectMask(w, h, x0 + px(1), y0 + px(1), x1 - px(1), y1 - px(1), r1), kBrass,
        kBrassLight, kBrassDark);
  int64_t r3 = std::max<int64_t>(radius - px(3), px(1));
  Mask face = roundRectMask(w, h, x0 + px(3), y0 + px(3), x1 - px(3), y1 - px(3), r3);
  int top = static_cast<int>(y0 / kSub) + 3, bottom = static_cast<int>(y1 / kSub) - 3;
  c.paint(face, verticalGradient(top, bottom, faceTop, faceBottom));
  Mask rim = face;
  rim.subtract(face, 0, 1);
  rim.scale(60);
  c.paint(rim, kBrassLight);
}

void framedPanel(Canvas& c) {
  using namespace palette;
  const int w = c.width(), h = c.height();
  const int64_t r = px(8);
  c.paint(roundRectMask(w, h, 0, 0, px(w), px(h), r), kInk);
  bevel(c, roundRectMask(w, h, px(1), px(1), px(w - 1), px(h - 1), r - px(1)), kWood, kWoodLight,
        kWoodDark, 2);
  bevel(c, roundRectMask(w, h, px(4), px(4), px(w - 4), px(h - 4), r - px(4)), kBrass, kBrassDark,
        kBrassLight);
  c.paint(roundRectMask(w, h, px(6), px(6), px(w - 6), px(h - 6), r - px(6)), kPanel);
}

void addSymbol(Mask& m, int kind, int64_t cx, int64_t cy, int64_t s) {
  switch (kind & 3) {
    case 0:
      addRing(m, cx, cy, s, s * 9 / 20);
      break;
    case 1:
      addRect(m, cx - s * 4 / 5, cy - s * 4 / 5, cx + s * 4 / 5, cy + s * 4 / 5);
      break;
    case 2: {
      int64_t d = s * 11 / 10;
      addPolygon(m, {{cx, cy - d}, {cx + d, cy}, {cx, cy + d}, {cx - d, cy}});
      break;
    }
    default: {
      int64_t t = s * 2 / 5;
      addRect(m, cx - s, cy - t, cx + s, cy + t);
      addRect(m, cx - t, cy - s, cx + t, cy + s);
      break;
    }
  }
}

void markerBall(Canvas& c, int kind, int64_t cx, int64_t cy, int64_t r) {
  const Rgb base = palette::kMarker[kind & 3];
  const int w = c.width(), h = c.height();
  c.paint(circleMask(w, h, cx, cy, r + px(1)), shade(base, 28));
  const int64_t lx = cx - r * 35 / 100, ly = cy - r * 40 / 100;
  const Rgb bright = mix(base, palette::kWhite, 110), dark = shade(base, 48);
  c.paint(circleMask(w, h, cx, cy, r), [=](int x, int y) {
    int64_t dx = px(x) + kSub / 2 - lx, dy = px(y) + kSub / 2 - ly;
    int t = static_cast<int>(std::min<int64_t>(255, isqrt(dx * dx + dy * dy) * 255 / (r * 3 / 2)));
    return t < 128 ? mix(bright, base, t * 2) : mix(base, dark, (t - 128) * 2);
  });
  Mask glint = circleMask(w, h, lx, ly, r * 26 / 100);
  glint.scale(70);
  c.paint(glint, palette::kWhite);
  Mask symbol(w, h);
  addSymbol(symbol, kind, cx, cy, r * 50 / 100);
  Mask lift = symbol;
  lift.scale(55);
  c.paint(lift, mix(base, palette::kWhite, 150), 0, 1);
  c.paint(symbol, shade(base, 30));
}

void addTileShape(Mask& target, int kind, int64_t x0, int64_t y0, int p, int64_t clear) {
  // Drawn at the origin into a cell-sized mask, then placed.
  const int64_t full = px(p), half = full / 2, edge = kSub / 4;
  Mask m(p, p);
  switch (kind) {
    case 0:  // a ring around the marker
      addRing(m, half, half, half - edge, clear);
      break;
    case 1: {  // a square frame
      Mask inner(p, p);
      int64_t inset = half - clear;
      addRect(inner, inset, inset, full - inset, full - inset);
      addRoundRect(m, edge, edge, full - edge, full - edge, px(2));
      m.subtract(inner);
      break;
    }
    case 2: {  // the four corners, leaving a diamond-shaped window
      int64_t reach = clear * 142 / 100;
      int64_t leg = full - reach;
      addPolygon(m, {{edge, edge}, {leg, edge}, {edge, leg}});
      addPolygon(m, {{full - edge, edge}, {full - edge, leg}, {full - leg, edge}});
      addPolygon(m, {{edge, full - edge}, {edge, full - leg}, {leg, full - edge}});
      addPolygon(
          m, {{full - edge, full - edge}, {full - leg, full - edge}, {full - edge, full - leg}});
      break;
    }
    default: {  // the frame's four sides without corners, each with a tab pointing in
      const int64_t depth = half - clear + kSub / 4, band = px(2) + kSub / 2;
      const int64_t reach = full * 30 / 100, wide = px(p <= 17 ? 4 : 5), narrow = kSub;
      const int64_t l = edge, r = full - edge, t = edge, b = full - edge;
      addRect(m, half - reach, t, half + reach, t + band);
      addRect(m, half - reach, b - band, half + reach, b);
      addRect(m, l, half - reach, l + band, half + reach);
      addRect(m, r - band, half - reach, r, half + reach);
      addPolygon(m, {{half - wide, t},
                     {half + wide, t},
                     {half + narrow, t + depth},
                     {half - narrow, t + depth}});
      addPolygon(m, {{half - wide, b},
                     {half - narrow, b - depth},
                     {half + narrow, b - depth},
                     {half + wide, b}});
      addPolygon(m, {{l, half - wide},
                     {l + depth, half - narrow},
                     {l + depth, half + narrow},
                     {l, half + wide}});
      addPolygon(m, {{r, half - wide},
                     {r, half + wide},
                     {r - depth, half + narrow},
                     {r - depth, half - narrow}});
      break;
    }
  }
  target.unite(m, static_cast<int>(x0 / kSub), static_cast<int>(y0 / kSub));
}

int64_t titleWidth(const BitmapFont& font, std::string_view text, int64_t scale) {
  return (font.measure(text) - 1) * scale;
}

void drawTitle(Canvas& c, const BitmapFont& font, std::string_view text, int64_t x, int64_t y,
               int64_t scale, const TitleStyle& style) {
  Mask ink(c.width(), c.height());
  font.render(ink, text, x, y, scale);
  Mask outline = ink.dilated(style.outlineWidth);
  if (style.shadowOffset > 0)
    c.paint(outline, style.shadow, style.shadowOffset, style.shadowOffset);
  c.paint(outline, style.outline);
  int top = static_cast<int>(y / kSub);
  int bottom = static_cast<int>((y + font.capHeight() * scale) / kSub);
  c.paint(ink, verticalGradient(top, bottom, style.top, style.bottom));
  Mask shine = ink;
  shine.subtract(ink, 0, 1);
  shine.scale(70);
  c.paint(shine, mix(style.top, palette::kWhite, 150));
}

SpriteImage toSprite(const Canvas& c, int anchorX, int anchorY, bool transparent) {
  if (c.width() > 255 || c.height() > 255) throw std::runtime_error("picture larger than 255");
  SpriteImage s;
  s.width = static_cast<uint8_t>(c.width());
  s.height = static_cast<uint8_t>(c.height());
  s.anchorX = static_cast<uint8_t>(anchorX);
  s.anchorY = static_cast<uint8_t>(anchorY);
  s.transparent = transparent ? 1 : 0;
  s.rgb = c.rgb();
  return s;
}

SpriteImage rowBand(const Canvas& c, int top, int height) {
  Canvas band(c.width(), height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < c.width(); ++x) band.set(x, y, c.at(x, top + y));
  return toSprite(band, c.width() / 2, height / 2);
}

SpriteImage blankSprite() {
  SpriteImage s;
  s.width = 1;
  s.height = 1;
  s.rgb = {0, 0, 0};
  return s;
}

}  // namespace bt::art
