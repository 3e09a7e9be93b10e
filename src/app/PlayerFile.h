#pragma once
// The player's seven files in the data folder: the phone's three
// (settings.dat, highscores.dat, save.dat), whose bytes stay the phone's,
// and the four the program keeps beside them (records.dat, daily.dat,
// proof.dat, worldbests.dat, framed as storage/FramedFile.h says), each
// with what its format can hold and what the messages call it (the names
// themselves stand in DataFiles.h).
#include <cstddef>
#include <cstdint>

namespace bt {

enum class PlayerFile : uint8_t { Settings, Scores, SavedGame, Records, Daily, Proof, WorldBests };
inline constexpr size_t kPlayerFileCount = 7;

struct PlayerFileFormat {
  const char* name;     // in the data folder
  const char* what;     // what it holds, for the messages: "the records"
  const char* without;  // what a run does without it: "the records start afresh"
  size_t maxBytes;      // the longest file its format writes
  // The phone's formats read their fields and ignore whatever follows (as
  // the phone does); a longer file of the program's own is damaged.
  bool tailIgnored;
};

const PlayerFileFormat& formatOf(PlayerFile file);

}  // namespace bt
