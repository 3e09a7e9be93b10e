#pragma once
// The help: two short paragraphs on the panel. Only the left soft key
// ("DONE") or a tap on its button answers, and returns to the main menu.
#include "app/Screen.h"
#include "gfx/SpriteBank.h"
#include "screens/PanelLayout.h"

namespace bt {

class HelpScreen : public Screen {
 public:
  explicit HelpScreen(Application& app) : Screen(app) {}

  void enter() override;
  void leave() override { bank_.clear(); }
  void frame() override;
  bool still() const override { return !dirty_; }
  void keyDown(GameKey key) override;
  void command(uint8_t) override { keyDown(kKeyLeftSoft); }
  Controls controls() const override;

  static constexpr const char* kParagraph1 =
      "Clear each level by rotating all the\nround markers into their\ncorresponding coloured "
      "tile.";
  static constexpr const char* kParagraph2 =
      "Once all the pegs are in position\nyou can proceed to the next\nlevel.";

 private:
  SpriteBank bank_;
  PanelLayout layout_;
  bool dirty_ = false;
};

}  // namespace bt
