#pragma once
// The level select: the 72 levels as a grid of numbered cells, each marked
// unreached, reached, solved or solved in par, the endless mode's entries
// under them (PuzzleEntries), with the selection's best and par written
// below, and the world's best under them when the online score screen has
// fetched it (WorldBests). A reached level is played as practice (the game
// screen that never touches "save.dat", the game in progress or the score);
// Back or the left soft key returns to the main menu.
#include <cstdint>
#include <optional>

#include "app/Screen.h"
#include "game/PuzzleId.h"
#include "gfx/SpriteBank.h"
#include "screens/PuzzleEntries.h"

namespace bt {

class LevelSelectScreen : public Screen {
 public:
  // HitRect ids: cells are their level index, the entries their selection;
  // the captions below.
  static constexpr uint8_t kBackCommand = 200;
  static constexpr uint8_t kPlayCommand = 201;
  static constexpr int kColumns = 9;
  static constexpr int kRows = 8;

  // Selects `entry` (a level or an entry after the levels) or, without one,
  // the first level reached and not solved yet; lastPuzzle goes on to the
  // random puzzle screen.
  LevelSelectScreen(Application& app, std::optional<int> entry,
                    std::optional<puzzle::PuzzleSpec> lastPuzzle)
      : Screen(app), entry_(entry), lastPuzzle_(lastPuzzle) {}

  void enter() override;
  void leave() override;
  void frame() override;
  bool still() const override { return !dirty_; }
  void keyDown(GameKey key) override;
  void command(uint8_t id) override;
  Controls controls() const override;

  int selected() const { return selected_; }

 private:
  struct Grid {
    int32_t x0, y0, cell;
  };
  Grid grid() const;
  void draw();
  void drawCell(int levelIndex, const Grid& grid);
  void drawDetails();
  void play();
  void moveSelection(int dx, int dy);
  int firstUnsolvedLevel() const;

  const std::optional<int> entry_;
  const std::optional<puzzle::PuzzleSpec> lastPuzzle_;
  SpriteBank bank_;
  PuzzleEntries entries_;
  int32_t detailsY_ = 0;
  int selected_ = 0;
  bool dirty_ = false;
};

}  // namespace bt
