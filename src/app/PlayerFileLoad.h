#pragma once
// The one way a player's file is read, and what becomes of one that is not
// good (the damage policy), the same for all seven:
// - missing: the fresh state, quietly;
// - read: what it holds (never more bytes than its format writes, and one to
//   tell a longer file);
// - damaged (its decoder refuses the bytes, or it is longer than its format
//   writes): one warning line, the file set aside as FILE.damaged (replacing
//   an older one), then the fresh state, which the next write starts the
//   file with;
// - unreadable (it exists but cannot be read: no permission, a folder, a
//   FIFO, a device): one warning line, the fresh state, and the file left as
//   it is, never written over in this run; so is a damaged file that cannot
//   be set aside.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "app/PlayerFile.h"

namespace bt {

enum class PlayerFileState { Missing, Read, Damaged, Unreadable };

struct PlayerFileLoad {
  PlayerFileState state = PlayerFileState::Missing;
  bool leftAlone = false;  // the file must not be written over in this run
};

// Takes a file's bytes; true when they are good (the owner keeps what they
// hold), false when they are damaged, with why when it can say.
using PlayerFileDecoder = std::function<bool(std::span<const uint8_t> bytes, std::string& why)>;

PlayerFileLoad loadPlayerFile(const std::string& path, const PlayerFileFormat& format,
                              const PlayerFileDecoder& decode);

}  // namespace bt
