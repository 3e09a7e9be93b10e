#include "screens/HelpScreen.h"

#include "app/Application.h"
#include "art/InterfaceSprites.h"
#include "gfx/Colour.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenPlaces.h"

namespace bt {

void HelpScreen::enter() {
  Application& a = app();
  bank_.load(a.makePath(interfaceBankPath(a.artSet())));
  layout_.build(bank_, kSpriteHelpTitle, a.width(), a.artSet());
  addHitRect(layout_.leftBand(0));
  a.font().setColour(kTextGrey);
  dirty_ = true;
}

void HelpScreen::keyDown(GameKey key) {
  if (key == kKeyLeftSoft) app().requestScreen(ScreenId::MainMenu);
}

Controls HelpScreen::controls() const {
  return helpControls(layout_.leftBand(0).y0);
}

void HelpScreen::frame() {
  if (!layout_.drawFrame(app(), dirty_)) return;
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  Font& font = a.font();
  const InterfacePlaces& places = interfacePlaces(a.artSet());
  const int32_t textX = a.width() / 2 + places.textFromMiddle;
  font.setColour(kTextGrey);
  font.drawText(textX, places.textTop, kParagraph1, fb);
  font.drawText(textX, places.textTop + places.paragraphGap, kParagraph2, fb);
  PanelLayout::drawCaption(font, fb, layout_.leftButton(), places.doneCaption, "DONE");
}

}  // namespace bt
