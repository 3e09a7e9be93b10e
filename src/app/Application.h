#pragma once
// The one Application: the shared objects that outlive a screen (the font,
// the player's data, with the frame buffer and mixer of ApplicationBase) and
// the switch from one screen to the next with a fade to black between.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/ApplicationBase.h"
#include "app/KeyLegend.h"
#include "app/PlayerData.h"
#include "app/Screen.h"
#include "app/ScreenId.h"
#include "app/ScreenRequest.h"
#include "gfx/Font.h"
#include "storage/Paths.h"

namespace bt {

class Application;

// Creates the screen a request asks for, or nullptr for an id without one.
using ScreenFactory = std::function<std::unique_ptr<Screen>(const ScreenRequest&, Application&)>;

class Application : public ApplicationBase {
 public:
  // Loads the font and the player's data and requests the intro, which the
  // first tick enters without a visible fade. Every file name is resolved
  // through folders; a failed save is reported to the platform.
  Application(platform::Platform& platform, int32_t width, int32_t height, ScreenFactory factory,
              Folders folders = Folders());
  // Writes "settings.dat" and destroys the current screen without leave.
  ~Application() override;

  // The current screen's frame, or one fade step while a switch is pending.
  bool tick() override;
  // The screen is still, no switch fades, nothing waits to be shown and no
  // sound plays.
  bool still() const override;
  void keyUp(GameKey key) override;
  void keyDown(GameKey key) override;
  void penDown(uint16_t x, uint16_t y) override;
  void penUp(uint16_t x, uint16_t y) override;
  void penMove(uint16_t x, uint16_t y) override;
  // Escape, Enter, the letters, undo, redo: what the current screen's
  // controls make of them; '?' shows or hides the key legend.
  void desktopKeyDown(uint32_t code) override;

  // The key legend over the picture (the frame buffer itself is left as the
  // screen drew it). While it shows, the next key or tap only hides it; a
  // screen switch hides it too.
  void showLegend(bool on);
  bool legendShown() const { return legendShown_; }
  // The legend shows itself the first time a game screen opens, once for
  // this user (remembered in the registry). For a window; headless runs
  // never call it, so their pictures stay as they are.
  void introduceLegendOnFirstGame() { introducesLegend_ = true; }
  // The current screen's legend rows with the key map as it stands.
  std::vector<LegendRow> legendRows() const;
  static constexpr const char* kLegendKey = "Software\\Brambletop\\Window";
  static constexpr const char* kLegendShownValue = "Legend Shown";

  // Stops every sound; ScreenId::Quit ends the program at once, any other
  // request is switched to after the fade, and the factory makes its screen
  // with what the request carries. A later request replaces an earlier one.
  void requestScreen(const ScreenRequest& request);
  void requestScreen(ScreenId id) { requestScreen(ScreenRequest(id)); }

  // Full path of an art file ("Game_Sprite\\board240x320.spr"). Screens go
  // through it, never through folders of their own; the player's files go
  // through player().
  std::string makePath(std::string_view name) const;
  const Folders& folders() const { return folders_; }

  Font& font() { return font_; }
  const Font& font() const { return font_; }
  // Every file of the player's and what the run keeps of them.
  PlayerData& player() { return player_; }
  const PlayerData& player() const { return player_; }
  // Plays the puzzle an id names (the factory makes today's daily puzzle of
  // today's id); false, and nothing happens, for a text that is no id or
  // while a name is being typed into the score table.
  bool openPuzzle(std::string_view id);
  // A later start's puzzle id (Platform::takeOpenRequest).
  void openRequested(const std::string& request) override { openPuzzle(request); }
  // The line beside the picture (Platform::showPlayLine), told the platform
  // when it changed.
  void showPlayLine(const std::string& text);
  // The moves drawn in the game's top band, switched by the desktop's M and
  // remembered for this user (off at first).
  bool movesShown() const { return movesShown_; }
  void setMovesShown(bool shown);
  static constexpr const char* kMovesShownValue = "Moves Shown";
  static constexpr const char* kPlainTitle = "Brambletop";
  // 0 for the 176x220 art and layout, 1 for 240x320.
  int artSet() const { return artSet_; }
  Screen* currentScreen() { return currentScreen_.get(); }

  static constexpr int kFadeStep = 40;

 protected:
  const FrameBuffer& pictureToPresent() override;

 private:
  void performSwitch();
  void deliverKey(GameKey key);
  void perform(DesktopAction action);
  void introduceLegend();
  // Tells the platform the legend's text when it changed (the page shows
  // it beside the canvas).
  void legendMayHaveChanged();

  Folders folders_;
  ScreenRequest pendingScreen_;
  std::unique_ptr<Screen> currentScreen_;
  Font font_;
  PlayerData player_;
  bool movesShown_ = false;
  std::string playLine_;
  int artSet_ = 1;
  ScreenFactory factory_;
  bool legendShown_ = false;
  bool introducesLegend_ = false;
  std::unique_ptr<FrameBuffer> overlaid_;  // the picture with the legend over it
  std::string legendText_;                 // as the platform was last told
};

}  // namespace bt
