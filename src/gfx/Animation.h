#pragma once
// Animation scripts (.ani stored files): sequences of frame and control
// commands that show pictures of a companion sprite bank over time. Each
// sequence carries its own playback state; AnimationPlayer advances it once
// per frame and tells the screen which command is current. The player never
// draws.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/ByteReader.h"

namespace bt {

struct AnimationCommand {
  // The command types as stored in a file; anything above kEmptyFrame does
  // nothing.
  enum Type : uint32_t {
    kFrame = 0,       // show picture `argument` at x, y
    kSetDelay = 1,    // advances each frame stays current
    kSetRepeat = 2,   // repeats of the next kRepeat
    kRepeat = 3,      // back by `argument` commands while repeats are left
    kJump = 4,        // by `argument` commands
    kYield = 5,       // report `argument` to the screen
    kEmptyFrame = 6,  // a frame that shows nothing
  };
  uint32_t type = kFrame;
  int16_t x = 0;
  int16_t y = 0;
  int16_t argument = 0;  // sprite index of a frame, operand of the others
  uint16_t extra = 0;
};

struct AnimationSequence {
  std::vector<AnimationCommand> commands;
  uint8_t delay = 0;        // advances each frame stays current
  uint8_t tick = 0;         // advances since the current frame became current
  uint8_t loopCounter = 0;  // repeats left of the innermost repeat
  uint8_t current = 0;      // index of the current command
  uint8_t next = 0;         // index of the command processed next
};

class Animation {
 public:
  static constexpr size_t kHeaderSize = 26;

  // Replaces the sequences held; false (and no sequences) when the file
  // cannot be opened or restored. Contents that end early keep the
  // sequences and commands read whole so far. Either is named in one
  // warning line.
  bool load(const std::string& path);
  // The same from restored contents; false when they end early.
  bool load(ByteReader& reader);

  AnimationSequence* sequence(uint32_t index);
  size_t count() const { return sequences_.size(); }
  void clear() { sequences_.clear(); }
  const std::array<uint8_t, kHeaderSize>& header() const { return header_; }

 private:
  std::array<uint8_t, kHeaderSize> header_{};
  std::vector<AnimationSequence> sequences_;
};

class AnimationPlayer {
 public:
  static constexpr uint16_t kEnded = 0;
  static constexpr uint16_t kWaiting = 1;
  static constexpr uint16_t kNewFrame = 2;
  // Control commands one advance processes at most before it gives up and
  // reports kWaiting, so that a cycle without frames cannot hang the program.
  static constexpr int kMaxControlSteps = 256;

  // The command at `current`, or nullptr past the end.
  static const AnimationCommand* currentCommand(const AnimationSequence& sequence);
  // kEnded, kWaiting, kNewFrame, or the argument of a yield.
  static uint16_t advance(AnimationSequence& sequence);
  // Back to the first command; delay and loopCounter stay.
  static void restart(AnimationSequence& sequence);
};

}  // namespace bt
