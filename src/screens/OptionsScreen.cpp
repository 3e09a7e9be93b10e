#include "screens/OptionsScreen.h"

#include "app/Application.h"
#include "app/KeyMap.h"
#include "art/InterfaceSprites.h"
#include "gfx/Colour.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenPlaces.h"

namespace bt {

namespace {

// Rows 1 to 8 show key map entries 0 to 7.
int entryOfRow(int32_t row) {
  return static_cast<int>(row) - 1;
}

}  // namespace

void OptionsScreen::enter() {
  Application& a = app();
  bank_.load(a.makePath(interfaceBankPath(a.artSet())));
  layout_.build(bank_, kSpriteOptionsTitle, a.width(), a.artSet());
  const OptionsPlaces& places = optionsPlaces(a.artSet());
  const int32_t W = a.width(), B = places.firstRowY, pitch = places.rowPitch;
  for (int32_t j = 0; j < kRowCount; ++j) {
    addHitRect({0, W, B + pitch * j, B + pitch * (j + 1), static_cast<uint8_t>(j)});
  }
  addHitRect(layout_.leftBand(kDoneId));
  addHitRect(layout_.rightBand(kChangeId));
  dirty_ = true;
}

void OptionsScreen::leave() {
  release();
  bank_.clear();
  app().player().writeSettings();
}

void OptionsScreen::keyDown(GameKey key) {
  if (awaitingKey_) {
    // Every key is taken, soft keys included; on the sound row (reached by a
    // tap while waiting) it is dropped.
    if (row_ > 0) assignKey(app().player().settings().keyMap, key, entryOfRow(row_));
    awaitingKey_ = false;
  } else {
    navigate(key);
  }
  dirty_ = true;
}

void OptionsScreen::navigate(GameKey key) {
  switch (key) {
    case kKeyUp:
      row_ = row_ == 0 ? kRowCount - 1 : row_ - 1;
      break;
    case kKeyDown:
      row_ = row_ == kRowCount - 1 ? 0 : row_ + 1;
      break;
    case kKeyLeftSoft:
      app().requestScreen(ScreenId::MainMenu);
      break;
    case kKeyRightSoft:
      change();
      break;
    default:
      break;
  }
}

void OptionsScreen::change() {
  Settings& settings = app().player().settings();
  if (row_ == 0) {
    settings.soundOn = settings.soundOn == 0 ? 1 : 0;
    return;
  }
  assignKey(settings.keyMap, kKeyAwaiting, entryOfRow(row_));
  awaitingKey_ = true;
}

void OptionsScreen::command(uint8_t id) {
  if (id < kRowCount) {
    row_ = id;
    dirty_ = true;
  } else if (id == kDoneId) {
    keyDown(kKeyLeftSoft);
  } else {
    keyDown(kKeyRightSoft);
  }
}

Controls OptionsScreen::controls() const {
  return optionsControls(awaitingKey_, layout_.leftBand(0).y0);
}

void OptionsScreen::frame() {
  if (!layout_.drawFrame(app(), dirty_)) return;
  drawRows();
  drawCaptions();
}

void OptionsScreen::drawRows() {
  Application& a = app();
  Font& font = a.font();
  const Settings& settings = a.player().settings();
  const OptionsPlaces& places = optionsPlaces(a.artSet());
  const int32_t labelX = a.width() / 2 + places.labelFromMiddle;
  const int32_t valueX = a.width() / 2 + places.valueFromMiddle;
  for (int32_t r = 0; r < kRowCount; ++r) {
    font.setColour(r == row_ ? kHighlightRed : kTextGrey);
    const int32_t y = places.firstRowY + places.rowPitch * r;
    const char* label = r == 0 ? "Sound" : actionLabel(entryOfRow(r));
    const char* value = r == 0 ? (settings.soundOn != 0 ? "On" : "Off")
                               : keyName(keyEntry(settings.keyMap, entryOfRow(r)));
    font.drawText(labelX, y, label, a.frameBuffer());
    font.drawText(valueX, y, value, a.frameBuffer());
  }
}

void OptionsScreen::drawCaptions() {
  Application& a = app();
  Font& font = a.font();
  font.setColour(kTextGrey);
  PanelLayout::drawCaption(font, a.frameBuffer(), layout_.leftButton(),
                           interfacePlaces(a.artSet()).doneCaption, "DONE");
  PanelLayout::drawCaption(font, a.frameBuffer(), layout_.rightButton(),
                           optionsPlaces(a.artSet()).changeCaption, "CHANGE");
}

}  // namespace bt
