#include "screens/PanelLayout.h"

#include "app/Application.h"
#include "art/InterfaceSprites.h"

namespace bt {

namespace {

int32_t heightOf(const Sprite* s) {
  return s ? s->height : 0;
}
int32_t widthOf(const Sprite* s) {
  return s ? s->width : 0;
}

}  // namespace

void PanelLayout::build(const SpriteBank& bank, uint32_t titleSprite, int32_t displayWidth,
                        int artSet) {
  const InterfacePlaces& places = interfacePlaces(artSet);
  const int32_t W = displayWidth;
  const int32_t V = places.titleSpeed;
  const Sprite* title = bank.sprite(titleSprite);
  const Sprite* button = bank.sprite(kSpriteButton);
  const int32_t TH = heightOf(title), TW = widthOf(title);
  const int32_t BW = widthOf(button), BH = heightOf(button);
  width_ = W;

  size_t n = 0;
  items_[n++].set(W / 2, -(TH / 2), W / 2, TH / 2, 0, V, title);
  const int rows = places.panelRows;
  for (int r = 0; r < rows && n + 2 < kMaxItems; ++r) {
    const uint32_t sprite = r == 0          ? kSpriteTopPanel
                            : r == rows - 1 ? kSpriteBottomPanel
                                            : kSpriteMiddlePanel;
    const int32_t y = TH / 2 + TH + r * TH;
    if (r % 2 == 0) {
      items_[n++].set(-(TW / 2), y, W / 2, y, places.rowSpeed, 0, bank.sprite(sprite));
    } else {
      items_[n++].set(W + TW / 2, y, W / 2, y, -places.rowSpeed, 0, bank.sprite(sprite));
    }
  }
  buttonY_ = TH / 2 + places.buttonRowTitles * TH - places.buttonRowLift * BH;
  const int32_t restY = buttonY_ + places.buttonRestFromRow;
  for (int32_t x : {W / 2 - BW / 2, W / 2 + BW / 2}) {
    items_[n++].set(x, buttonY_ + BH, x, restY, 0, -V, button);
  }
  count_ = n;
}

void PanelLayout::drawCaption(Font& font, FrameBuffer& fb, const SlidingItem& button,
                              const ButtonCaption& caption, std::string_view text) {
  const int32_t x =
      caption.centred ? button.x - (font.measureLine(text) - 1) / 2 : button.x + caption.dx;
  font.drawText(x, button.y + caption.dy, text, fb);
}

bool PanelLayout::draw(FrameBuffer& fb) {
  bool moving = false;
  for (size_t i = 0; i < count_; ++i) moving |= items_[i].draw(fb);
  return moving;
}

bool PanelLayout::drawFrame(Application& app, bool& dirty) {
  if (!dirty) return false;
  app.setRedrawPending();
  app.frameBuffer().clear();
  dirty = draw(app.frameBuffer());  // no text until everything rests
  return !dirty;
}

}  // namespace bt
