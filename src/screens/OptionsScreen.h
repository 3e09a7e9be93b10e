#pragma once
// The options: sound on or off and the key of each of the eight game actions.
// The right soft key ("CHANGE") flips the sound or makes the selected action
// wait for its next key, which it then takes from whichever action held it.
// The left soft key ("DONE") returns to the main menu; the settings are
// written to "settings.dat" when the screen is left, and are in force in
// memory at once.
#include <cstdint>

#include "app/Screen.h"
#include "gfx/SpriteBank.h"
#include "screens/PanelLayout.h"

namespace bt {

class OptionsScreen : public Screen {
 public:
  explicit OptionsScreen(Application& app) : Screen(app) {}

  void enter() override;
  void leave() override;
  void frame() override;
  bool still() const override { return !dirty_; }
  void keyDown(GameKey key) override;
  // Ids 0 to 8 select that row (even while a key is awaited), 9 is "DONE",
  // 10 and above "CHANGE".
  void command(uint8_t id) override;
  Controls controls() const override;

  static constexpr int32_t kRowCount = 9;  // the sound switch, then the eight actions
  static constexpr uint8_t kDoneId = 9;
  static constexpr uint8_t kChangeId = 10;

 private:
  void navigate(GameKey key);
  void change();
  void drawRows();
  void drawCaptions();

  SpriteBank bank_;
  PanelLayout layout_;
  int32_t row_ = 0;
  bool awaitingKey_ = false;
  bool dirty_ = false;
};

}  // namespace bt
