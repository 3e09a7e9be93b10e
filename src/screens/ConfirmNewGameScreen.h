#pragma once
// Asked before a new game replaces a game in progress: "YES" (left soft key
// or its button) starts the new game, "NO" (right soft key or its button)
// returns to the main menu. Nothing is deleted or changed here.
#include "app/Screen.h"
#include "gfx/SpriteBank.h"
#include "screens/PanelLayout.h"

namespace bt {

class ConfirmNewGameScreen : public Screen {
 public:
  explicit ConfirmNewGameScreen(Application& app) : Screen(app) {}

  void enter() override;
  void leave() override { bank_.clear(); }
  void frame() override;
  bool still() const override { return !dirty_; }
  void keyDown(GameKey key) override;
  // Id 0 is "YES", any other "NO".
  void command(uint8_t id) override { keyDown(id == 0 ? kKeyLeftSoft : kKeyRightSoft); }
  Controls controls() const override;

  static constexpr const char* kQuestion = "Game in progress\n\nStart a new game ?";

 private:
  SpriteBank bank_;
  PanelLayout layout_;
  bool dirty_ = false;
};

}  // namespace bt
