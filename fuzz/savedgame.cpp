// "save.dat" from arbitrary bytes: reading and checking never crashes, and a
// game accepted as usable stays usable through any moves the rules allow
// (the bytes saved after them are accepted again).
#include "game/SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "game/Rules.h"
#include "storage/ByteReader.h"
#include "storage/StoredFile.h"

namespace {

void playFrom(std::span<const uint8_t> contents, std::span<const uint8_t> moves) {
  const auto saved = bt::decodeSavedGame(contents);
  if (!saved) return;
  bt::Game game;
  bt::restoreSavedGame(game, *saved);
  static constexpr char kMoves[] = "UDLR<>";
  for (uint8_t m : moves) {
    if (m & 0x80) {
      bt::stepRotation(game);
    } else if (m == 0x7F) {
      bt::restartLevel(game);
    } else if (m == 0x7E) {
      bt::checkCompletion(game);
    } else {
      const char move = kMoves[m % 6];
      if (move == '<' || move == '>') {
        bt::startRotation(game, move == '<');
      } else {
        bt::playMove(game, move);
      }
    }
  }
  bt::finishRotation(game);
  if (!bt::decodeSavedGame(bt::encodeSavedGame(game.board))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  // As the contents themselves, any bytes after the first 205 taken as moves.
  const size_t contentsSize = size < bt::kSavedGameBytes ? size : bt::kSavedGameBytes;
  playFrom(input.first(contentsSize), input.subspan(contentsSize));
  bt::decodeSavedGame(input);
  // As a stored file, the way the game reads "save.dat".
  bt::ByteReader reader;
  // A stored length far above 205 only makes the reader allocate more.
  const bool smallLength = size >= 4 && data[2] == 0 && data[3] == 0;
  if (smallLength && bt::decodeStored(data, size, reader)) {
    bt::decodeSavedGame(
        std::span<const uint8_t>(reader.data(), static_cast<size_t>(reader.length())));
  }
  return 0;
}
