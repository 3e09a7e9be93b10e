#pragma once
// What a screen asks for: which screen comes next, and what it opens with,
// so that screens never hand each other arguments through the Application.
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/ScreenId.h"
#include "game/PuzzleId.h"

namespace bt {

// A kind of play the game screen plays (screens/PlaySession.h); only the
// screens know it, the Application carries it.
class PlaySession;

struct ScreenRequest {
  explicit ScreenRequest(ScreenId screen = ScreenId::Quit) : id(screen) {}
  // The game screen playing a session.
  static ScreenRequest play(std::shared_ptr<PlaySession> session) {
    ScreenRequest request(ScreenId::Play);
    request.session = std::move(session);
    return request;
  }
  // The level select with an entry selected.
  static ScreenRequest levelSelect(std::optional<int> entry,
                                   std::optional<puzzle::PuzzleSpec> lastPuzzle = {}) {
    ScreenRequest request(ScreenId::LevelSelect);
    request.entry = entry;
    request.lastPuzzle = lastPuzzle;
    return request;
  }

  ScreenId id;
  // ScreenId::Play: the session to play; without one, the puzzle that
  // puzzleId names.
  std::shared_ptr<PlaySession> session;
  std::string puzzleId;
  // ScreenId::LevelSelect: the entry it selects (a level index, or one of
  // the entries after the levels); without one, the first level reached
  // and not solved yet.
  std::optional<int> entry;
  // ScreenId::LevelSelect and ScreenId::RandomPuzzle: the last puzzle of
  // the endless mode chosen, which the random puzzle screen starts from.
  std::optional<puzzle::PuzzleSpec> lastPuzzle;
};

}  // namespace bt
