#include "gfx/Animation.h"

#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
#include "storage/StoredFile.h"

namespace bt {

namespace {

constexpr int32_t kCommandBytes = 9;

}  // namespace

bool Animation::load(const std::string& path) {
  sequences_.clear();
  ByteReader reader;
  if (!loadStored(reader, path)) {
    warn("cannot read the animation " + quote(path));
    return false;
  }
  if (!load(reader)) {
    warn("the animation " + quote(path) + " is damaged; " + std::to_string(count()) +
         " sequences are used");
  }
  return true;
}

bool Animation::load(ByteReader& reader) {
  sequences_.clear();
  header_.fill(0);
  reader.readBytes(header_.data(), static_cast<int32_t>(header_.size()));
  const int32_t sequenceCount = reader.readInt32();
  // Every sequence takes at least its 4-byte count, so a count larger than
  // the bytes left is damage; stop at the first sequence that does not fit.
  bool whole = !reader.isShort();
  int32_t s = 0;
  for (; s < sequenceCount && reader.remaining() >= 4; ++s) {
    AnimationSequence sequence;
    const int32_t commandCount = reader.readInt32();
    int32_t c = 0;
    for (; c < commandCount && reader.remaining() >= kCommandBytes; ++c) {
      AnimationCommand command;
      command.type = reader.readUInt8();
      command.x = static_cast<int16_t>(reader.readUInt16());
      command.y = static_cast<int16_t>(reader.readUInt16());
      command.argument = static_cast<int16_t>(reader.readUInt16());
      command.extra = reader.readUInt16();
      sequence.commands.push_back(command);
    }
    sequences_.push_back(std::move(sequence));
    if (c < commandCount) {  // the contents ended inside this sequence
      whole = false;
      break;
    }
  }
  reader.release();
  return whole && s >= sequenceCount;
}

AnimationSequence* Animation::sequence(uint32_t index) {
  return index < sequences_.size() ? &sequences_[index] : nullptr;
}

const AnimationCommand* AnimationPlayer::currentCommand(const AnimationSequence& sequence) {
  return sequence.current < sequence.commands.size() ? &sequence.commands[sequence.current]
                                                     : nullptr;
}

uint16_t AnimationPlayer::advance(AnimationSequence& s) {
  s.tick = static_cast<uint8_t>(s.tick + 1);
  if (s.tick < s.delay) return kWaiting;
  s.tick = 0;
  for (int steps = 0; steps < kMaxControlSteps; ++steps) {
    s.current = s.next;
    if (s.current >= s.commands.size()) return kEnded;
    const AnimationCommand& c = s.commands[s.current];
    const uint8_t here = s.current;
    const uint8_t following = static_cast<uint8_t>(here + 1);
    const uint8_t target = static_cast<uint8_t>(here + c.argument);  // indices wrap at 256
    switch (c.type) {
      case AnimationCommand::kFrame:
      case AnimationCommand::kEmptyFrame:
        s.next = following;
        return kNewFrame;
      case AnimationCommand::kSetDelay:
        s.tick = 0;
        s.delay = static_cast<uint8_t>(c.argument);
        s.next = following;
        break;
      case AnimationCommand::kSetRepeat:
        s.loopCounter = static_cast<uint8_t>(c.argument - 1);
        s.next = following;
        break;
      case AnimationCommand::kRepeat:
        if (s.loopCounter != 0) {
          --s.loopCounter;
          s.next = target;
        } else {
          s.next = following;
        }
        break;
      case AnimationCommand::kJump:
        s.next = target;
        break;
      case AnimationCommand::kYield:
        s.next = following;
        return static_cast<uint16_t>(c.argument);
      default:  // unknown commands do nothing
        s.next = following;
        break;
    }
  }
  return kWaiting;
}

void AnimationPlayer::restart(AnimationSequence& s) {
  s.current = 0;
  s.next = 0;
  s.tick = 0;
}

}  // namespace bt
