#include "screens/LevelSelectScreen.h"

#include <algorithm>
#include <string>

#include "app/Application.h"
#include "app/KeyMap.h"
#include "art/InterfaceSprites.h"
#include "game/LevelData.h"
#include "game/LevelPar.h"
#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "gfx/Rects.h"
#include "screens/PracticeSession.h"
#include "screens/PuzzlePlaces.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenPlaces.h"

namespace bt {
namespace {

// The cells' colours: the wood of the board for a reached level, moss for a
// solved one, gold for one solved in par; an unreached one stays dark.
constexpr uint16_t kUnreached = rgb565(40, 30, 22);
constexpr uint16_t kReached = kGameBackground;
constexpr uint16_t kSolved = rgb565(52, 110, 60);
constexpr uint16_t kInPar = rgb565(200, 156, 40);
constexpr uint16_t kFrame = rgb565(20, 14, 8);

// The top of the soft keys' captions' line, and of their pen band.
int32_t captionLineOf(const Application& a) {
  const PuzzlePlaces& places = puzzlePlaces(a.artSet());
  return a.height() - a.font().linePitch() - places.captionAboveBottom;
}

int32_t captionTopOf(const Application& a) {
  return captionLineOf(a) - puzzlePlaces(a.artSet()).captionBandAbove;
}

}  // namespace

void LevelSelectScreen::enter() {
  Application& a = app();
  bank_.load(a.makePath(interfaceBankPath(a.artSet())));
  selected_ = std::clamp(entry_.value_or(firstUnsolvedLevel()), 0, PuzzleEntries::kDaily);
  const Grid g = grid();
  for (int level = 0; level < kLevelCount; ++level) {
    const int32_t x = g.x0 + (level % kColumns) * g.cell;
    const int32_t y = g.y0 + (level / kColumns) * g.cell;
    addHitRect({x, x + g.cell, y, y + g.cell, static_cast<uint8_t>(level)});
  }
  detailsY_ = entries_.layOut(a, bank_, g.y0 + kRows * g.cell);
  for (int entry : {PuzzleEntries::kRandom, PuzzleEntries::kDaily}) {
    addHitRect(entries_.hitRect(entry));
  }
  const int32_t captionTop = captionTopOf(a);
  addHitRect({0, a.width() / 2, captionTop, a.height(), kBackCommand});
  addHitRect({a.width() / 2, a.width(), captionTop, a.height(), kPlayCommand});
  dirty_ = true;
}

void LevelSelectScreen::leave() {
  bank_.clear();
  release();
}

LevelSelectScreen::Grid LevelSelectScreen::grid() const {
  const Application& a = app();
  const int32_t cell = puzzlePlaces(a.artSet()).levelCell;
  const Sprite* title = bank_.sprite(kSpriteMenuTitle);
  const int32_t top = (title ? title->height : 0) + puzzlePlaces(a.artSet()).gridBelowTitle;
  return {(a.width() - kColumns * cell) / 2, top, cell};
}

void LevelSelectScreen::frame() {
  if (!dirty_) return;
  dirty_ = false;
  draw();
  app().setRedrawPending();
}

void LevelSelectScreen::draw() {
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  fb.clear();
  if (const Sprite* title = bank_.sprite(kSpriteMenuTitle)) {
    blitKeyed(title, fb, a.width() / 2, title->height / 2, true);
  }
  const Grid g = grid();
  for (int level = 0; level < kLevelCount; ++level) drawCell(level, g);
  entries_.draw(a, selected_);
  drawDetails();
  Font& font = a.font();
  font.setColour(kTextGrey);
  const int32_t y = captionLineOf(a);
  const int32_t inset = puzzlePlaces(a.artSet()).captionInset;
  font.drawText(inset, y, "BACK", fb);
  const bool playable =
      PuzzleEntries::isEntry(selected_) || a.player().records().level(selected_).reached;
  font.setColour(playable ? kTextGrey : kUnreached);
  font.drawText(a.width() - font.measureLine("PLAY") - inset, y, "PLAY", fb);
}

void LevelSelectScreen::drawCell(int levelIndex, const Grid& g) {
  FrameBuffer& fb = app().frameBuffer();
  const PersonalRecord& record = app().player().records().level(levelIndex);
  const int32_t x = g.x0 + (levelIndex % kColumns) * g.cell;
  const int32_t y = g.y0 + (levelIndex / kColumns) * g.cell;
  uint16_t fill = kUnreached;
  if (record.solved) {
    fill = record.best() <= levelPar(levelIndex) ? kInPar : kSolved;
  } else if (record.reached) {
    fill = kReached;
  }
  fillRect(fb, x + 1, y + 1, g.cell - 2, g.cell - 2, fill);
  frameRect(fb, x, y, g.cell, g.cell, kFrame);
  if (levelIndex == selected_) {
    frameRect(fb, x, y, g.cell, g.cell, kHighlightRed);
    frameRect(fb, x + 1, y + 1, g.cell - 2, g.cell - 2, kHighlightRed);
  }
  Font& font = app().font();
  font.setColour(record.reached ? kWhite : kTextGrey);
  const std::string number = std::to_string(levelIndex + 1);
  const int32_t textY = y + (g.cell - font.linePitch() + 3) / 2;
  font.drawText(x + (g.cell - font.measureLine(number)) / 2, textY, number, fb);
}

void LevelSelectScreen::drawDetails() {
  Application& a = app();
  a.font().setColour(kTextGrey);
  if (PuzzleEntries::isEntry(selected_)) {
    a.font().drawTextCentred(detailsY_, PuzzleEntries::details(a, selected_), a.frameBuffer());
    return;
  }
  const PersonalRecord& record = a.player().records().level(selected_);
  const int par = levelPar(selected_);
  std::string line = "Level " + std::to_string(selected_ + 1) + ": ";
  if (!record.reached) {
    line += "not reached";
  } else if (record.solved) {
    line += "best " + std::to_string(record.best());
  } else {
    line += "best -";
  }
  line += ", par " + std::to_string(par);
  Font& font = a.font();
  const WorldBest* world = a.player().worldBests().level(selected_);
  if (!world) {
    font.drawTextCentred(detailsY_, line, a.frameBuffer());
    return;
  }
  // The world's best on a line of its own where there is room above the
  // captions (240x320), else after the level's figures.
  const int32_t captionTop = captionTopOf(a);
  std::string worldLine = "World best " + std::to_string(world->moves) + ", first " + world->name;
  // How many hold it, where the server counts them: a table of names no one
  // can squat, since a proof shows the moves, not who found them.
  const std::string counted = worldLine + " (" + std::to_string(world->atBest) + " of " +
                              std::to_string(world->players) + ")";
  if (world->players > 0 && font.measureLine(counted) <= a.width() - 4) worldLine = counted;
  if (detailsY_ + 2 * font.linePitch() <= captionTop) {
    font.drawTextCentred(detailsY_, line, a.frameBuffer());
    font.drawTextCentred(detailsY_ + font.linePitch(), worldLine, a.frameBuffer());
    return;
  }
  std::string joined = line + ", world " + std::to_string(world->moves);
  if (font.measureLine(joined) > a.width() - 4) joined = line;
  font.drawTextCentred(detailsY_, joined, a.frameBuffer());
}

int LevelSelectScreen::firstUnsolvedLevel() const {
  for (int level = 0; level < kLevelCount; ++level) {
    const PersonalRecord& record = app().player().records().level(level);
    if (record.reached && !record.solved) return level;
  }
  return 0;
}

void LevelSelectScreen::moveSelection(int dx, int dy) {
  selected_ = PuzzleEntries::move(selected_, dx, dy, kColumns, kRows);
  dirty_ = true;
}

void LevelSelectScreen::play() {
  if (PuzzleEntries::isEntry(selected_)) {
    PuzzleEntries::open(app(), selected_, lastPuzzle_);
    return;
  }
  if (!app().player().records().level(selected_).reached) return;
  app().requestScreen(ScreenRequest::play(std::make_shared<PracticeSession>(app(), selected_)));
}

void LevelSelectScreen::keyDown(GameKey key) {
  switch (key) {
    case kKeyUp:
      moveSelection(0, -1);
      break;
    case kKeyDown:
      moveSelection(0, 1);
      break;
    case kKeyLeft:
      moveSelection(-1, 0);
      break;
    case kKeyRight:
      moveSelection(1, 0);
      break;
    case kKeyAction:
    case kKeyRightSoft:
      play();
      break;
    case kKeyBack:
    case kKeyLeftSoft:
      app().requestScreen(ScreenId::MainMenu);
      break;
    default:
      break;
  }
}

void LevelSelectScreen::command(uint8_t id) {
  if (id == kBackCommand) {
    keyDown(kKeyLeftSoft);
  } else if (id == kPlayCommand) {
    play();
  } else if (id < kLevelCount || PuzzleEntries::isEntry(id)) {
    // A tap selects a level; a tap on the selected one plays it.
    if (id == selected_) {
      play();
    } else {
      selected_ = id;
      dirty_ = true;
    }
  }
}

Controls LevelSelectScreen::controls() const {
  return levelSelectControls(captionTopOf(app()));
}

}  // namespace bt
