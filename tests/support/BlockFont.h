#pragma once
// A font for screen tests: every glyph a solid 5 x 7 block, anchored at its
// top left, written where the application loads its font from.
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/SpriteBankWriter.h"

namespace bt::test {

inline bool writeBlockFont(const std::string& artFolder) {
  std::vector<SpriteImage> glyphs;
  for (int g = 0; g < 94; ++g) {
    SpriteImage glyph;
    glyph.width = 5;
    glyph.height = 7;
    glyph.rgb.assign(5 * 7 * 3, 255);
    glyphs.push_back(glyph);
  }
  std::filesystem::create_directories(std::filesystem::path(artFolder) / "Game_Sprite");
  const std::string folder = artFolder + "/Game_Sprite/";
  return saveSpriteBank(glyphs, folder + "font240x320.spr") &&
         saveSpriteBank(glyphs, folder + "font176x220.spr");
}

}  // namespace bt::test
