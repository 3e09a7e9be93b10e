#pragma once
// The first screen: plays sequence 0 of the intro animation once, drawing its
// pictures opaque at (x + W / 2, y + W / 2) without ever clearing, then asks
// for the main menu. Any key asks for it at once. Without an intro sequence
// it draws nothing and waits for a key.
#include "app/Screen.h"
#include "gfx/Animation.h"
#include "gfx/SpriteBank.h"

namespace bt {

class IntroScreen : public Screen {
 public:
  explicit IntroScreen(Application& app) : Screen(app) {}

  void enter() override;
  void leave() override { release(); }
  void frame() override;
  void keyDown(GameKey key) override;
  Controls controls() const override;

 private:
  Animation animation_;
  SpriteBank pictures_;
  AnimationSequence* sequence_ = nullptr;  // borrowed from animation_
};

}  // namespace bt
