#pragma once
// The main menu: a title and five entries (new game, continue, options,
// help, quit) that slide in, with a pair of cursors beside the selected entry
// once everything rests. New game asks for confirmation first when a saved
// game is in progress. Back and the quit entry end the program at once; the
// right soft key opens the score table. An idle menu draws and presents
// nothing.
#include <array>
#include <cstdint>

#include "app/Screen.h"
#include "app/ScreenId.h"
#include "gfx/SlidingItem.h"
#include "gfx/SpriteBank.h"

namespace bt {

class MainMenuScreen : public Screen {
 public:
  explicit MainMenuScreen(Application& app) : Screen(app) {}

  void enter() override;
  void leave() override;
  void frame() override;
  bool still() const override { return !dirty_; }
  void keyDown(GameKey key) override;
  // A tap on entry id: shows the cursor there, then opens it.
  void command(uint8_t id) override;
  Controls controls() const override;

  static constexpr int kEntryCount = 5;
  // The desktop's L: the level select, beside the phone's entries.
  static constexpr uint8_t kLevelsCommand = 100;

 private:
  void layOut();
  void drawCursor();
  void drawScoresCaption();

  SpriteBank bank_;
  std::array<SlidingItem, 1 + kEntryCount> items_{};  // the title, then the entries
  std::array<ScreenId, kEntryCount> entries_{};
  int8_t selection_ = 0;
  bool gameInProgress_ = false;
  bool dirty_ = false;
};

}  // namespace bt
