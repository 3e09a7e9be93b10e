#include "screens/MainMenuScreen.h"

#include "app/Application.h"
#include "art/InterfaceSprites.h"
#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenPlaces.h"

namespace bt {

namespace {

static_assert(kMenuEntrySprites.size() == MainMenuScreen::kEntryCount);

constexpr const char* kScoresCaption = "SCORES";
// How long a tapped entry is shown with its cursor before it opens.
constexpr uint32_t kTapPauseMs = 50;

}  // namespace

void MainMenuScreen::enter() {
  Application& a = app();
  gameInProgress_ = a.player().savedGameInProgress();
  bank_.load(a.makePath(interfaceBankPath(a.artSet())));
  layOut();
  entries_ = {gameInProgress_ ? ScreenId::ConfirmNewGame : ScreenId::NewGame,
              ScreenId::ContinueGame, ScreenId::Options, ScreenId::Help, ScreenId::Quit};
  a.player().scores().setHighlighted(-1);  // no score row stays open for a name
  dirty_ = true;
}

// The title's height sets the rows; both side starts use the title's width.
void MainMenuScreen::layOut() {
  const int32_t W = app().width();
  const InterfacePlaces& places = interfacePlaces(app().artSet());
  const Sprite* title = bank_.sprite(kSpriteMenuTitle);
  const int32_t TH = title ? title->height : 0, TW = title ? title->width : 0;
  const int32_t half = TH / 2;
  items_[0].set(W / 2, -half, W / 2, half, 0, places.titleSpeed, title);
  for (int k = 0; k < kEntryCount; ++k) {
    const int32_t y = 2 * half + TH + k * TH;
    const Sprite* sprite = bank_.sprite(kMenuEntrySprites[static_cast<size_t>(k)]);
    if (k % 2 == 0) {
      items_[1 + k].set(-(TW / 2), y, W / 2, y, places.rowSpeed, 0, sprite);
    } else {
      items_[1 + k].set(W + TW / 2, y, W / 2, y, -places.rowSpeed, 0, sprite);
    }
    const int32_t top = TH + half + k * TH;
    addHitRect({0, W, top, top + TH, static_cast<uint8_t>(k)});
  }
}

void MainMenuScreen::leave() {
  bank_.clear();
  release();
}

void MainMenuScreen::frame() {
  if (!dirty_) return;  // idle: nothing drawn, nothing presented
  Application& a = app();
  a.setRedrawPending();
  a.frameBuffer().clear();
  dirty_ = false;
  for (SlidingItem& item : items_) dirty_ |= item.draw(a.frameBuffer());
  drawScoresCaption();
  if (!dirty_) drawCursor();
}

void MainMenuScreen::drawCursor() {
  const SlidingItem& entry = items_[1 + selection_];
  const int32_t D = interfacePlaces(app().artSet()).cursorFromMiddle;
  const Sprite* cursor = bank_.sprite(kSpriteCursor);
  blitKeyed(cursor, app().frameBuffer(), entry.x - D, entry.y, true);
  blitKeyed(cursor, app().frameBuffer(), entry.x + D, entry.y, true);
}

// Names the right soft key in the bottom right corner, below the entries.
void MainMenuScreen::drawScoresCaption() {
  Application& a = app();
  Font& font = a.font();
  font.setColour(kTextGrey);
  const int32_t x = a.width() - font.measureLine(kScoresCaption) - 2;
  font.drawText(x, a.height() - font.linePitch() - 1, kScoresCaption, a.frameBuffer());
}

Controls MainMenuScreen::controls() const {
  return mainMenuControls();
}

void MainMenuScreen::keyDown(GameKey key) {
  switch (key) {
    case kKeyUp:
      selection_ = static_cast<int8_t>(selection_ == 0 ? kEntryCount - 1 : selection_ - 1);
      dirty_ = true;
      break;
    case kKeyDown:
      selection_ = static_cast<int8_t>(selection_ + 1 == kEntryCount ? 0 : selection_ + 1);
      dirty_ = true;
      break;
    case kKeyAction:
      app().requestScreen(entries_[static_cast<size_t>(selection_)]);
      break;
    case kKeyBack:
      app().quit();
      break;
    case kKeyRightSoft:
      app().requestScreen(ScreenId::ScoreTable);
      break;
    default:
      break;
  }
}

void MainMenuScreen::command(uint8_t id) {
  if (id == kLevelsCommand) {
    app().requestScreen(ScreenId::LevelSelect);
    return;
  }
  if (id >= kEntryCount) return;
  selection_ = static_cast<int8_t>(id);
  dirty_ = true;
  frame();
  app().presentNow();
  app().platform().sleep(kTapPauseMs);
  keyDown(kKeyAction);
}

}  // namespace bt
