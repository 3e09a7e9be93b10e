#include "screens/ConfirmNewGameScreen.h"

#include "app/Application.h"
#include "gfx/Colour.h"
#include "screens/InterfaceArt.h"

namespace bt {

void ConfirmNewGameScreen::enter() {
  Application& a = app();
  bank_.load(a.makePath(interfaceBankPath(a.artSet())));
  layout_.build(bank_, kSpriteMenuTitle, a.width(), a.artSet());
  dirty_ = true;
  a.font().setColour(kTextGrey);
  addHitRect(layout_.leftBand(0));
  addHitRect(layout_.rightBand(1));
}

void ConfirmNewGameScreen::keyDown(GameKey key) {
  if (key == kKeyLeftSoft) app().requestScreen(ScreenId::NewGame);
  if (key == kKeyRightSoft) app().requestScreen(ScreenId::MainMenu);
}

void ConfirmNewGameScreen::frame() {
  if (!layout_.drawFrame(app(), dirty_)) return;
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  const bool small = a.artSet() == 0;
  const int32_t W = a.width();
  a.font().setColour(kTextGrey);
  a.font().drawText(small ? W / 2 - 62 : W / 2 - 86, small ? 44 : 55, kQuestion, fb);
  drawCaptions();
}

// On the small display the short captions are centred on their buttons;
// the large display's positions already centre them.
void ConfirmNewGameScreen::drawCaptions() {
  Application& a = app();
  Font& font = a.font();
  FrameBuffer& fb = a.frameBuffer();
  const SlidingItem& yes = layout_.leftButton();
  const SlidingItem& no = layout_.rightButton();
  if (a.artSet() == 0) {
    const auto centred = [&](const SlidingItem& button, const char* text) {
      font.drawText(button.x - (font.measureLine(text) - 1) / 2, button.y - 2, text, fb);
    };
    centred(yes, "YES");
    centred(no, "NO");
  } else {
    font.drawText(yes.x - 8, yes.y - 4, "YES", fb);
    font.drawText(no.x - 6, yes.y - 4, "NO", fb);
  }
}

}  // namespace bt
