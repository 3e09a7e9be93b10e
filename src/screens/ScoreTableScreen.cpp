#include "screens/ScoreTableScreen.h"

#include <cstdio>
#include <string_view>

#include "app/Application.h"
#include "app/ScoreRanking.h"
#include "gfx/Colour.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenPlaces.h"

namespace bt {

namespace {
constexpr const char* kDefaultName = "AAAAAAAAAAAAAAA";
}  // namespace

void ScoreTableScreen::enter() {
  dirty_ = true;
  app().font().setColour(kTextGrey);
  ScoreTable& table = app().player().scores();
  if (table.getHighlighted() == -1) return;
  if (table.lastInitials[0] != 0) entry_.setText(table.lastInitials.data());
  entry_.setEnabled(true);
  save();
}

void ScoreTableScreen::leave() {
  save();
  release();
}

bool ScoreTableScreen::save() {
  return app().player().writeScores();
}

void ScoreTableScreen::keyDown(GameKey key) {
  if (key == kKeyLeftSoft) {
    storeName();
    app().requestScreen(ScreenId::MainMenu);
  } else if (key == kKeyRightSoft) {
    storeName();
    app().requestScreen(ScreenId::OnlineScores);
  } else {
    entry_.press(key);
    dirty_ = true;
  }
}

void ScoreTableScreen::typeLetter(char letter) {
  entry_.typeCharacter(letter);
  dirty_ = true;
}

Controls ScoreTableScreen::controls() const {
  const bool naming = app().player().scores().getHighlighted() != -1;
  return scoreTableControls(naming, kScoreTablePlaces.captionBandTop);
}

// The typed name, else the last one stored, else the default name.
void ScoreTableScreen::storeName() {
  ScoreTable& table = app().player().scores();
  const int32_t row = table.getHighlighted();
  if (row == -1) return;
  std::string_view name = kDefaultName;
  if (entry_.length() != 0) {
    name = entry_.text();
  } else if (table.lastInitials[0] != 0) {
    name = table.lastInitials.data();
  }
  const std::string copy(name);  // lastInitials changes while it is stored
  bt::storeName(table, row, copy);
}

std::string ScoreTableScreen::scoreText(int32_t score) {
  char text[16];
  std::snprintf(text, sizeof text, "%.10d", score);
  return text;
}

void ScoreTableScreen::frame() {
  const bool accepted = entry_.tick();
  if (!accepted && !dirty_) return;
  app().setRedrawPending();
  app().frameBuffer().clear();
  dirty_ = false;
  draw();
}

void ScoreTableScreen::draw() {
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  Font& font = a.font();
  const ScoreTable& table = a.player().scores();
  const ScoreTablePlaces& places = kScoreTablePlaces;
  const int32_t nameX = a.width() / 2 + places.nameFromMiddle;
  const int32_t scoreX = a.width() / 2 + places.scoreFromMiddle;
  font.setColour(kTextGrey);
  for (int32_t i = 0; i < ScoreTable::kEntries; ++i) {
    const int32_t y = places.firstRowY + places.rowPitch * i;
    const ScoreEntry& row = table.entries[static_cast<size_t>(i)];
    if (i == table.getHighlighted()) {
      font.setColour(kHighlightRed);
      entry_.draw(nameX, y, fb, font);
      font.setColour(kTextGrey);
    } else {
      font.drawText(nameX, y, std::string_view(row.name.data()), fb);
    }
    font.drawText(scoreX, y, scoreText(row.score), fb);
  }
  font.drawText(places.leftCaptionX, places.captionY, "DONE", fb);
  font.drawText(places.rightCaptionX, places.captionY,
                table.getHighlighted() == -1 ? "FETCH" : "SUBMIT", fb);
}

}  // namespace bt
