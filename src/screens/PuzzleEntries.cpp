#include "screens/PuzzleEntries.h"

#include "app/Application.h"
#include "art/InterfaceSprites.h"
#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "gfx/Rects.h"
#include "screens/DailyPuzzleSession.h"
#include "screens/PuzzlePlaces.h"

namespace bt {
namespace {

constexpr std::array<const char*, 2> kNames = {"random", "daily"};

size_t indexOf(int entry) {
  return entry == PuzzleEntries::kDaily ? 1 : 0;
}

}  // namespace

int PuzzleEntries::move(int selected, int dx, int dy, int columns, int rows) {
  // The entries stand under the grid's left and right halves.
  const int randomColumn = columns / 4, dailyColumn = columns - 1 - columns / 4;
  if (isEntry(selected)) {
    if (dx != 0) return selected == kRandom ? kDaily : kRandom;
    const int column = selected == kRandom ? randomColumn : dailyColumn;
    if (dy > 0) return column;
    if (dy < 0) return std::min((rows - 1) * columns + column, kLevelCount - 1);
    return selected;
  }
  const int column = selected % columns, row = selected / columns;
  if (dx != 0) {
    const int next = row * columns + (column + dx + columns) % columns;
    return std::min(next, kLevelCount - 1);
  }
  const int nextRow = row + dy;
  if (nextRow < 0 || nextRow >= rows) return column < columns / 2 ? kRandom : kDaily;
  return std::min(nextRow * columns + column, kLevelCount - 1);
}

int32_t PuzzleEntries::layOut(const Application& app, const SpriteBank& bank, int32_t gridBottom) {
  const PuzzlePlaces& places = puzzlePlaces(app.artSet());
  button_ = bank.sprite(kSpriteButton);
  width_ = button_ ? button_->width : 0;
  height_ = button_ ? button_->height : 0;
  const int32_t middle = app.width() / 2, apart = (width_ + places.entriesGap) / 2;
  middleX_ = {middle - apart, middle + apart};
  middleY_ = gridBottom + places.entriesBelowGrid + height_ / 2;
  return gridBottom + places.entriesBelowGrid + height_ + places.detailsBelowEntries;
}

HitRect PuzzleEntries::hitRect(int entry) const {
  const int32_t x = middleX_[indexOf(entry)] - width_ / 2, y = middleY_ - height_ / 2;
  return {x, x + width_, y, y + height_, static_cast<uint8_t>(entry)};
}

void PuzzleEntries::draw(Application& app, int selected) const {
  FrameBuffer& fb = app.frameBuffer();
  Font& font = app.font();
  for (int entry : {kRandom, kDaily}) {
    const HitRect place = hitRect(entry);
    blitOpaqueClipped(button_, fb, middleX_[indexOf(entry)], middleY_, true);
    const bool chosen = entry == selected;
    if (chosen) {
      frameRect(fb, place.x0 - 1, place.y0 - 1, width_ + 2, height_ + 2, kHighlightRed);
      frameRect(fb, place.x0 - 2, place.y0 - 2, width_ + 4, height_ + 4, kHighlightRed);
    }
    const char* name = kNames[indexOf(entry)];
    font.setColour(chosen ? kWhite : kTextGrey);
    font.drawText(middleX_[indexOf(entry)] - font.measureLine(name) / 2,
                  middleY_ - (font.linePitch() - 3) / 2, name, fb);
  }
}

std::string PuzzleEntries::details(Application& app, int entry) {
  if (entry == kRandom) return "Choose a puzzle or type its id";
  const std::string date = DailyPuzzleSession::today(app).date;
  const DailyBest* day = app.player().daily().day(date);
  std::string line = "Daily " + date;
  if (day == nullptr || !day->solved) return line + ": not solved yet";
  return line + ": best " + std::to_string(day->best()) + ", par " + std::to_string(day->par);
}

void PuzzleEntries::open(Application& app, int entry,
                         const std::optional<puzzle::PuzzleSpec>& lastPuzzle) {
  if (entry == kRandom) {
    ScreenRequest request(ScreenId::RandomPuzzle);
    request.lastPuzzle = lastPuzzle;
    app.requestScreen(request);
  } else {
    app.requestScreen(ScreenRequest::play(
        std::make_shared<DailyPuzzleSession>(app, DailyPuzzleSession::today(app))));
  }
}

}  // namespace bt
