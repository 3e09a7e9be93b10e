#pragma once
// The key legend: what each key does on the current screen, one row of key
// names and meaning per line of the screen's controls, with the key map as it
// stands (a rebound action shows its new key). Drawn over the picture in the
// pixel font at either display size, or handed to the page around the canvas
// as text.
#include <string>
#include <vector>

#include "app/Controls.h"
#include "app/KeyMap.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"

namespace bt {

struct LegendRow {
  std::string keys;  // "Space Enter Q"; "-" when no key does it now
  std::string what;

  friend bool operator==(const LegendRow&, const LegendRow&) = default;
};

std::vector<LegendRow> legendRows(const Controls& controls, const KeyMap& map);
// One "keys<TAB>what" line per row, for the page.
std::string legendPageText(const std::vector<LegendRow>& rows);
// A framed box in the middle of fb with a title and the rows in two columns;
// the font's colour is as before afterwards. Nothing without a usable font.
void drawLegend(FrameBuffer& fb, Font& font, int artSet, const std::vector<LegendRow>& rows);

}  // namespace bt
