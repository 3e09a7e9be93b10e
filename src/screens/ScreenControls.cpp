#include "screens/ScreenControls.h"

#include "app/KeyMap.h"
#include "platform/VirtualKeys.h"
#include "screens/GameScreen.h"
#include "screens/MainMenuScreen.h"

namespace bt {

namespace {

using platform::kVkEnter;
using platform::kVkEscape;
using platform::kVkLegend;
using platform::kVkRedo;
using platform::kVkUndo;
using platform::letterKey;

constexpr const char* kThisList = "this list";

LegendKey phone(GameKey key) {
  return legendPhoneKey(key);
}

// The key map's eight actions under their option labels, with their keys in
// the game: the key map's, and the game's own desktop keys for the same.
void addActionLines(Controls& controls) {
  controls.entryBindings(gameKeyBindings());
  for (int entry = kActionMoveUp; entry <= kActionMoveRight; ++entry) {
    controls.line(actionLabel(entry), {legendEntry(entry)});
  }
  controls
      .line(actionLabel(kActionRotateLeft),
            {legendEntry(kActionRotateLeft), legendCode(letterKey('Q'))})
      .line(actionLabel(kActionRotateRight),
            {legendEntry(kActionRotateRight), legendCode(letterKey('E'))})
      .line(actionLabel(kActionRestart), {legendEntry(kActionRestart), legendCode(letterKey('R'))})
      .line(actionLabel(kActionQuit), {legendEntry(kActionQuit), legendCode(kVkEscape)});
}

// The game's controls; a puzzle's copy its result too.
Controls gameControlsFor(bool puzzle) {
  Controls controls;
  for (const DesktopBinding& binding : gameKeyBindings())
    controls.bind(binding.code, binding.action);
  if (puzzle) controls.bind(letterKey('C'), runCommand(GameScreen::kCopyResult));
  controls.introduceLegend();
  addActionLines(controls);
  controls.line("Undo", {legendCode(letterKey('U')), legendCode(kVkUndo)})
      .line("Redo", {legendCode(letterKey('U', true)), legendCode(kVkRedo)})
      .line("moves shown", {legendCode(letterKey('M'))})
      .line("Hint", {legendCode(letterKey('H'))});
  if (puzzle) controls.line("copy the result", {legendCode(letterKey('C')), phone(kKeyHash)});
  controls.line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

}  // namespace

std::vector<DesktopBinding> gameKeyBindings() {
  return {
      {kVkEscape, runCommand(GameScreen::kMenuButton)},
      {kVkEnter, pressKey(kKeyAction)},
      {letterKey('Q'), runCommand(GameScreen::kRotateLeftButton)},
      {letterKey('E'), runCommand(GameScreen::kRotateRightButton)},
      {letterKey('R'), runCommand(GameScreen::kRestartButton)},
      {letterKey('M'), runCommand(GameScreen::kMovesToggle)},
      {letterKey('U'), kUndoStep},
      {letterKey('U', true), kRedoStep},
      {kVkUndo, kUndoStep},
      {kVkRedo, kRedoStep},
      {letterKey('H'), runCommand(GameScreen::kHintCommand)},
  };
}

Controls introControls() {
  Controls controls;
  controls.bind(kVkEscape, pressKey(kKeyBack)).bind(kVkEnter, pressKey(kKeyAction));
  controls.line("skip", {phone(kKeyAction), legendCode(kVkEscape)});
  controls.line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls mainMenuControls() {
  Controls controls;
  controls.bind(kVkEnter, pressKey(kKeyAction))
      .bind(letterKey('L'), runCommand(MainMenuScreen::kLevelsCommand))
      .bind(platform::kVkLevelSelect, runCommand(MainMenuScreen::kLevelsCommand));
  controls.line("choose", {phone(kKeyUp), phone(kKeyDown)})
      .line("open", {phone(kKeyAction)})
      .line("SCORES", {phone(kKeyRightSoft)})
      .line("levels", {legendCode(letterKey('L'))})
      .line("quit", {phone(kKeyBack)})
      .line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls optionsControls(bool awaitingKey, int32_t captionTop) {
  Controls controls;
  controls.captionBand(captionTop);
  if (awaitingKey) {
    controls.bind(kVkEscape, pressKey(kKeyBack)).bind(kVkEnter, pressKey(kKeyAction));
    controls.line("the new key", {legendText("any key")})
        .line("gives Back", {legendCode(kVkEscape)})
        .line("gives Action", {legendCode(kVkEnter)});
  } else {
    controls.bind(kVkEscape, pressKey(kKeyLeftSoft)).bind(kVkEnter, pressKey(kKeyLeftSoft));
    controls.line("choose a row", {phone(kKeyUp), phone(kKeyDown)})
        .line("CHANGE", {phone(kKeyRightSoft)})
        .line("DONE", {phone(kKeyLeftSoft)});
  }
  addActionLines(controls);
  controls.line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls helpControls(int32_t captionTop) {
  Controls controls;
  controls.bind(kVkEscape, pressKey(kKeyLeftSoft))
      .bind(kVkEnter, pressKey(kKeyLeftSoft))
      .captionBand(captionTop);
  controls.line("DONE", {phone(kKeyLeftSoft)}).line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls confirmNewGameControls() {
  Controls controls;
  controls.bind(kVkEscape, pressKey(kKeyRightSoft))
      .bind(letterKey('Y'), pressKey(kKeyLeftSoft))
      .bind(letterKey('N'), pressKey(kKeyRightSoft));
  controls.line("YES", {phone(kKeyLeftSoft)})
      .line("NO", {phone(kKeyRightSoft)})
      .line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls scoreTableControls(bool namingRow, int32_t captionTop) {
  Controls controls;
  controls.bind(kVkEscape, pressKey(kKeyLeftSoft))
      .bind(kVkEnter, pressKey(kKeyLeftSoft))
      .captionBand(captionTop);
  if (namingRow) {
    controls.typeLetters();
    controls.line("type the name", {legendText("A-Z")})
        .line("letters by taps", {legendText("2-9")})
        .line("letters / digits", {phone(kKeyStar)})
        .line("move", {phone(kKeyLeft), phone(kKeyRight)})
        .line("delete", {phone(kKeyBack)});
  }
  controls.line("DONE", {phone(kKeyLeftSoft)})
      .line(namingRow ? "SUBMIT" : "FETCH", {phone(kKeyRightSoft)})
      .line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls onlineScoreControls(int32_t captionTop) {
  Controls controls;
  controls.bind(kVkEscape, pressKey(kKeyLeftSoft)).captionBand(captionTop);
  controls.line("DONE", {phone(kKeyLeftSoft)})
      .line("CONNECT / STOP", {phone(kKeyRightSoft)})
      .line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls gameControls() {
  return gameControlsFor(false);
}

Controls puzzleGameControls() {
  return gameControlsFor(true);
}

Controls randomPuzzleControls(bool typing, int32_t captionTop) {
  Controls controls;
  controls.bind(kVkEscape, pressKey(kKeyLeftSoft))
      .bind(kVkEnter, pressKey(kKeyAction))
      .captionBand(captionTop)
      .typeLetters();
  controls.line("choose", {phone(kKeyUp), phone(kKeyDown)})
      .line("change", {phone(kKeyLeft), phone(kKeyRight)})
      .line("type an id", {legendText("0-9"), legendText("A-Z")})
      .line("letters / digits", {phone(kKeyStar)});
  if (typing) controls.line("delete", {phone(kKeyBack)});
  controls.line("PLAY", {phone(kKeyAction), phone(kKeyRightSoft)});
  if (typing) {
    controls.line("BACK", {phone(kKeyLeftSoft)});
  } else {
    controls.line("BACK", {phone(kKeyLeftSoft), phone(kKeyBack)});
  }
  controls.line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

Controls levelSelectControls(int32_t captionTop) {
  Controls controls;
  controls.bind(kVkEscape, pressKey(kKeyLeftSoft))
      .bind(kVkEnter, pressKey(kKeyAction))
      .captionBand(captionTop);
  controls.line("choose", {phone(kKeyUp), phone(kKeyDown), phone(kKeyLeft), phone(kKeyRight)})
      .line("PLAY", {phone(kKeyAction), phone(kKeyRightSoft)})
      .line("BACK", {phone(kKeyLeftSoft), phone(kKeyBack)})
      .line(kThisList, {legendCode(kVkLegend)});
  return controls;
}

}  // namespace bt
