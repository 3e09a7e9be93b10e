#pragma once
// The random puzzle screen, reached from the level select's "random": a new
// puzzle of the chosen size, colours, pairs and difficulty, its id shown
// below them (Left and Right on it draw another), or any puzzle by typing
// its id. The cursor keys choose a row and change its value; the keypad's
// digits (or a keyboard's letters and digits) start typing an id into the
// last row, where '*' switches between digits and multi-tap letters, Left
// and Right move along the text and Back deletes; the dash may be left out.
// Action or the right soft key ("PLAY") plays it (today's daily puzzle when
// it is today's id), the left soft key ("BACK") returns to the level select.
// Drawn as the options are: the title, the panel and two soft-key buttons.
#include <cstdint>
#include <optional>
#include <string>

#include "app/Screen.h"
#include "game/PuzzleId.h"
#include "gfx/SpriteBank.h"
#include "gfx/TextEntry.h"
#include "screens/PanelLayout.h"

namespace bt {

class RandomPuzzleScreen : public Screen {
 public:
  // The rows, top to bottom; a row's tap id is its number.
  enum Row : int { kSize, kColours, kPairs, kDifficulty, kId, kRowCount };
  static constexpr uint8_t kBackId = 10;
  static constexpr uint8_t kPlayId = 11;

  // Starts from lastPuzzle (the last one chosen here), with a new seed.
  RandomPuzzleScreen(Application& app, std::optional<puzzle::PuzzleSpec> lastPuzzle);

  void enter() override;
  void leave() override;
  void frame() override;
  bool still() const override { return !dirty_ && !entry_.pending(); }
  void keyDown(GameKey key) override;
  void typeLetter(char letter) override;
  // A row's id selects it, or on the selected row changes its value as Right
  // does; kBackId and kPlayId are the soft keys.
  void command(uint8_t id) override;
  Controls controls() const override;

  const puzzle::PuzzleSpec& spec() const { return spec_; }
  int row() const { return row_; }
  bool typing() const { return typing_; }
  // The id typed so far, as a puzzle id when it is one.
  std::optional<puzzle::PuzzleSpec> typedSpec() const;

 private:
  void change(int step);
  void newSeed();
  void fitPairs();
  void startTyping();
  void stopTyping();
  void typed();
  void play();
  // The level select, its "random" entry selected.
  void back();
  void drawRows();
  void drawNotes();
  void drawCaptions();

  const std::optional<puzzle::PuzzleSpec> lastPuzzle_;
  SpriteBank bank_;
  PanelLayout layout_;
  TextEntry entry_;
  puzzle::PuzzleSpec spec_;
  uint64_t seeds_ = 0;  // the state of the seeds drawn
  int row_ = kId;
  bool typing_ = false;
  bool refused_ = false;  // PLAY found no puzzle id in the text typed
  bool dirty_ = false;
};

}  // namespace bt
