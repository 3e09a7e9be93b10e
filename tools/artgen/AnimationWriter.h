#pragma once
// Writes animation files (.ani stored files): a 26-byte header, the sequence
// count, then each sequence's command count and 9-byte commands.
#include <cstdint>
#include <string>
#include <vector>

#include "storage/ByteWriter.h"

namespace bt::art {

struct ScriptCommand {
  uint8_t type = 0;
  int16_t x = 0, y = 0;
  int16_t argument = 0;
  uint16_t extra = 0;
};
using Script = std::vector<ScriptCommand>;

// Command types as the player reads them.
inline ScriptCommand showFrame(int sprite, int x, int y) {
  return {0, static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(sprite), 0};
}
inline ScriptCommand setDelay(int advances) {
  return {1, 0, 0, static_cast<int16_t>(advances), 0};
}
inline ScriptCommand setRepeat(int times) {
  return {2, 0, 0, static_cast<int16_t>(times), 0};
}
inline ScriptCommand repeatBy(int offset) {
  return {3, 0, 0, static_cast<int16_t>(offset), 0};
}
inline ScriptCommand jumpBy(int offset) {
  return {4, 0, 0, static_cast<int16_t>(offset), 0};
}

ByteWriter writeAnimation(const std::vector<Script>& sequences);
bool saveAnimation(const std::vector<Script>& sequences, const std::string& path);

}  // namespace bt::art
