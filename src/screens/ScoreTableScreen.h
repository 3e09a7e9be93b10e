#pragma once
// The local table of ten scores, text only. A highlighted row (a new score)
// has its name typed in place by multi-tap; either soft key stores the name
// and leaves: "DONE" to the main menu, "FETCH" / "SUBMIT" to the online
// score screen. "highscores.dat" is written on every leave, and also on
// entering with a highlighted row, so that a new score survives the program
// being closed before the name is typed.
#include <cstdint>
#include <string>

#include "app/Screen.h"
#include "gfx/TextEntry.h"

namespace bt {

class ScoreTableScreen : public Screen {
 public:
  static constexpr int32_t kNameCapacity = 16;

  explicit ScoreTableScreen(Application& app) : Screen(app), entry_(kNameCapacity) {}

  void enter() override;
  void leave() override;
  void frame() override;
  // A typed letter waits to be accepted after a pause: not still then.
  bool still() const override { return !dirty_ && !entry_.pending(); }
  void keyDown(GameKey key) override;
  // A keyboard's letter goes straight into the name being typed.
  void typeLetter(char letter) override;
  // The caption band lies under "DONE" and "FETCH" / "SUBMIT".
  Controls controls() const override;

  const TextEntry& textEntry() const { return entry_; }
  // Ten digits with leading zeros; a minus sign in front of a negative one.
  static std::string scoreText(int32_t score);

 private:
  void storeName();
  void draw();
  bool save();

  TextEntry entry_;
  bool dirty_ = false;
};

}  // namespace bt
