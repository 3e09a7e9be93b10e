#include "pack/ContactSheet.h"

#include <algorithm>
#include <array>
#include <string>

#include "pack/SpritePictures.h"

namespace bt::pack {
namespace {

constexpr int kGap = 6;         // between cells and around the sheet
constexpr int kLabelScale = 2;  // the 3x5 digits are drawn 6x10
constexpr int kLabelHeight = 5 * kLabelScale + 2;
constexpr int kMinRowWidth = 720;
constexpr int kChecker = 4;
constexpr uint8_t kBackground = 96, kCheckerLight = 200, kCheckerDark = 160, kLabel = 240;

// 3x5 digits, five rows of three bits, top row in the highest bits.
constexpr std::array<uint16_t, 10> kDigits = {
    0b111'101'101'101'111, 0b010'110'010'010'111, 0b111'001'111'100'111, 0b111'001'111'001'111,
    0b101'101'111'001'001, 0b111'100'111'001'111, 0b111'100'111'101'111, 0b111'001'010'010'010,
    0b111'101'111'101'111, 0b111'101'111'001'111};

struct Cell {
  int x = 0, y = 0;
  int width = 0, height = 0;  // the whole cell, label included
};

int labelWidth(size_t index) {
  return static_cast<int>(std::to_string(index).size()) * 4 * kLabelScale - kLabelScale;
}

void fillRect(RgbImage& image, int x, int y, int w, int h, uint8_t grey) {
  for (int row = y; row < y + h; ++row) {
    std::fill_n(image.pixel(x, row), static_cast<size_t>(w) * 3, grey);
  }
}

void drawLabel(RgbImage& image, int x, int y, size_t index) {
  for (char digit : std::to_string(index)) {
    uint16_t bits = kDigits[digit - '0'];
    for (int row = 0; row < 5; ++row) {
      for (int col = 0; col < 3; ++col) {
        if (bits & (1u << (14 - row * 3 - col))) {
          fillRect(image, x + col * kLabelScale, y + row * kLabelScale, kLabelScale, kLabelScale,
                   kLabel);
        }
      }
    }
    x += 4 * kLabelScale;
  }
}

void drawSprite(RgbImage& image, int x, int y, const Sprite& sprite, int scale) {
  if (sprite.pixels.size() < static_cast<size_t>(sprite.width) * sprite.height) return;
  for (int py = 0; py < sprite.height * scale; ++py) {
    for (int px = 0; px < sprite.width * scale; ++px) {
      uint8_t* out = image.pixel(x + px, y + py);
      uint16_t colour = sprite.pixels[static_cast<size_t>(py / scale) * sprite.width + px / scale];
      if (colour == 0 && sprite.transparent) {
        bool light = ((px / kChecker) + (py / kChecker)) % 2 == 0;
        std::fill_n(out, 3, light ? kCheckerLight : kCheckerDark);
      } else {
        widenColour(colour, out);
      }
    }
  }
}

// Places the cells in reading order, starting a new row when the next cell
// would pass the sheet's width.
std::vector<Cell> layOut(const std::vector<Sprite>& sprites, int scale, int& sheetW, int& sheetH) {
  int widest = 0;
  for (size_t i = 0; i < sprites.size(); ++i) {
    widest = std::max({widest, sprites[i].width * scale, labelWidth(i)});
  }
  int rowLimit = std::max(kMinRowWidth, widest + 2 * kGap);
  std::vector<Cell> cells(sprites.size());
  int x = kGap, y = kGap, rowHeight = 0;
  sheetW = kGap;
  for (size_t i = 0; i < sprites.size(); ++i) {
    Cell& cell = cells[i];
    cell.width = std::max(sprites[i].width * scale, labelWidth(i));
    cell.height = kLabelHeight + sprites[i].height * scale;
    if (x > kGap && x + cell.width + kGap > rowLimit) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    cell.x = x;
    cell.y = y;
    x += cell.width + kGap;
    rowHeight = std::max(rowHeight, cell.height);
    sheetW = std::max(sheetW, x);
  }
  sheetH = y + rowHeight + kGap;
  return cells;
}

}  // namespace

std::optional<RgbImage> makeContactSheet(const std::vector<Sprite>& sprites, int* sheetHeight) {
  bool small = std::all_of(sprites.begin(), sprites.end(),
                           [](const Sprite& s) { return s.width <= 32 && s.height <= 32; });
  int scale = small ? 2 : 1;
  int width = 0, height = 0;
  std::vector<Cell> cells = layOut(sprites, scale, width, height);
  if (sheetHeight) *sheetHeight = height;
  if (height > kMaxSheetHeight) return std::nullopt;
  RgbImage sheet(std::max(width, kGap * 2), std::max(height, kGap * 2));
  fillRect(sheet, 0, 0, sheet.width, sheet.height, kBackground);
  for (size_t i = 0; i < sprites.size(); ++i) {
    drawLabel(sheet, cells[i].x, cells[i].y, i);
    drawSprite(sheet, cells[i].x, cells[i].y + kLabelHeight, sprites[i], scale);
  }
  return sheet;
}

}  // namespace bt::pack
