#pragma once
// What the desktop's own keys, the caption band and the key legend do on each
// screen (see app/Controls), in one place a reader can scan. Escape presses
// the soft key that leaves without acting ("DONE", "NO", the game's menu
// button) and does nothing on the main menu; Enter is Action where Action
// acts (the menu, the game) and "DONE" on the help, the options and the
// score table; only the game answers Q and E (turn the ring left or right,
// as its arrow buttons), R (restart, as its button), U and Ctrl+Z (undo),
// Shift+U and Ctrl+Y (redo) and H (a hint); while a name is typed every
// letter types itself. captionTop is where a screen's caption band starts.
#include <cstdint>
#include <vector>

#include "app/Controls.h"

namespace bt {

Controls introControls();
// No caption band: on the small display the quit entry's row reaches the
// bottom edge, under "SCORES".
Controls mainMenuControls();
// While a key is awaited, Escape and Enter are the phone's Back and Action,
// so that they can be given to an action.
Controls optionsControls(bool awaitingKey, int32_t captionTop);
Controls helpControls(int32_t captionTop);
Controls levelSelectControls(int32_t captionTop);
Controls confirmNewGameControls();
Controls scoreTableControls(bool namingRow, int32_t captionTop);
Controls onlineScoreControls(int32_t captionTop);
Controls gameControls();
// The game screen on a puzzle of the endless mode: C and '#' copy its result.
Controls puzzleGameControls();
// The random puzzle screen: every letter types into the id; Back deletes
// while an id is typed, else leaves.
Controls randomPuzzleControls(bool typing, int32_t captionTop);
// The desktop keys of the game screen.
std::vector<DesktopBinding> gameKeyBindings();

}  // namespace bt
