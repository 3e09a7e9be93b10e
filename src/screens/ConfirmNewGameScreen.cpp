#include "screens/ConfirmNewGameScreen.h"

#include "app/Application.h"
#include "art/InterfaceSprites.h"
#include "gfx/Colour.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenPlaces.h"

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

Controls ConfirmNewGameScreen::controls() const {
  return confirmNewGameControls();
}

void ConfirmNewGameScreen::frame() {
  if (!layout_.drawFrame(app(), dirty_)) return;
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  const InterfacePlaces& places = interfacePlaces(a.artSet());
  Font& font = a.font();
  font.setColour(kTextGrey);
  font.drawText(a.width() / 2 + places.textFromMiddle, places.textTop, kQuestion, fb);
  const ConfirmPlaces& captions = confirmPlaces(a.artSet());
  PanelLayout::drawCaption(font, fb, layout_.leftButton(), captions.yesCaption, "YES");
  PanelLayout::drawCaption(font, fb, layout_.rightButton(), captions.noCaption, "NO");
}

}  // namespace bt
