#pragma once
// The level select's two entries beside the 72 levels, in a row under the
// grid, drawn as the interface's buttons: "random" (the random puzzle
// screen, to choose or type a puzzle) and "daily" (today's puzzle at once).
// They are the selections after the last level, so that the level select
// keeps one selection and the cursor keys reach them from the grid's first
// and last rows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/HitRect.h"
#include "game/LevelData.h"
#include "game/PuzzleId.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteBank.h"

namespace bt {

class Application;

class PuzzleEntries {
 public:
  static constexpr int kRandom = kLevelCount;
  static constexpr int kDaily = kLevelCount + 1;
  static bool isEntry(int selection) { return selection == kRandom || selection == kDaily; }

  // Where the cursor keys lead from `selected` on a grid of levels `columns`
  // wide and `rows` high with the entries' row under its last row: rows wrap
  // through the entries' row, columns within their row.
  static int move(int selected, int dx, int dy, int columns, int rows);

  // Lays the row out under a grid that ends at gridBottom; returns where the
  // line about the selection goes, under the row.
  int32_t layOut(const Application& app, const SpriteBank& bank, int32_t gridBottom);
  // An entry's tap target, its id the entry's selection.
  HitRect hitRect(int entry) const;
  // The two buttons and their names; the selected one framed in red.
  void draw(Application& app, int selected) const;
  // The line about an entry, for under the grid.
  static std::string details(Application& app, int entry);
  // Opens the entry (the random puzzle screen starts from lastPuzzle); the
  // level select selects it again on return.
  static void open(Application& app, int entry,
                   const std::optional<puzzle::PuzzleSpec>& lastPuzzle);

 private:
  const Sprite* button_ = nullptr;
  std::array<int32_t, 2> middleX_{};
  int32_t middleY_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace bt
