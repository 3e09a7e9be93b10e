#pragma once
// The picture the options, help and confirmation screens share: a title
// dropping in from the top, a framed panel whose rows come in from alternate
// sides, and two soft-key buttons rising from below, placed by the art set's
// InterfacePlaces.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/HitRect.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"
#include "gfx/SlidingItem.h"
#include "gfx/SpriteBank.h"
#include "screens/ScreenPlaces.h"

namespace bt {

class Application;

class PanelLayout {
 public:
  // Sets every item at its start point; sprites are borrowed from bank.
  void build(const SpriteBank& bank, uint32_t titleSprite, int32_t displayWidth, int artSet);
  // Draws every item (title, panels, left button, right button) one frame
  // on; true while any of them still moves.
  bool draw(FrameBuffer& fb);
  // A panel screen's frame: when dirty, clears the frame buffer, draws every
  // item one frame on and asks for the picture to be shown. True when all
  // rest and the screen's own text goes on top now; dirty stays set while
  // anything moves, so an idle screen draws nothing.
  bool drawFrame(Application& app, bool& dirty);

  const SlidingItem& leftButton() const { return items_[count_ - 2]; }
  const SlidingItem& rightButton() const { return items_[count_ - 1]; }
  // Writes text on a button as caption places it.
  static void drawCaption(Font& font, FrameBuffer& fb, const SlidingItem& button,
                          const ButtonCaption& caption, std::string_view text);
  // The bands a tap on a soft-key button lands in: 20 pixels high around the
  // buttons' row, the left or right half of the display.
  HitRect leftBand(uint8_t id) const { return {0, width_ / 2, buttonY_ - 10, buttonY_ + 10, id}; }
  HitRect rightBand(uint8_t id) const {
    return {width_ / 2, width_, buttonY_ - 10, buttonY_ + 10, id};
  }

 private:
  static constexpr size_t kMaxItems = 9;  // title, up to six panels, two buttons

  std::array<SlidingItem, kMaxItems> items_{};
  size_t count_ = 2;
  int32_t width_ = 0;
  int32_t buttonY_ = 0;  // the buttons' row, a few pixels off where they rest
};

}  // namespace bt
