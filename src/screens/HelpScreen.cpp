#include "screens/HelpScreen.h"

#include "app/Application.h"
#include "gfx/Colour.h"
#include "screens/InterfaceArt.h"

namespace bt {

namespace {
constexpr int32_t kParagraphGap = 64;  // from the first paragraph's top to the second's
}

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

void HelpScreen::frame() {
  if (!layout_.drawFrame(app(), dirty_)) return;
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  Font& font = a.font();
  const bool small = a.artSet() == 0;
  const int32_t W = a.width();
  const int32_t textX = small ? W / 2 - 62 : W / 2 - 86;
  const int32_t textY = small ? 44 : 55;
  font.setColour(kTextGrey);
  font.drawText(textX, textY, kParagraph1, fb);
  font.drawText(textX, textY + kParagraphGap, kParagraph2, fb);
  // On the small display the caption stands two pixels lower than on the
  // large one, in the middle of the button as on the options screen.
  const SlidingItem& done = layout_.leftButton();
  font.drawText(done.x - (small ? 10 : 12), done.y - (small ? 2 : 4), "DONE", fb);
}

}  // namespace bt
