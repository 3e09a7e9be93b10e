#include "gfx/AnimationWriter.h"

#include "storage/StoredFile.h"

namespace bt {

namespace {

AnimationCommand command(uint32_t type, int argument, int x = 0, int y = 0) {
  AnimationCommand c;
  c.type = type;
  c.x = static_cast<int16_t>(x);
  c.y = static_cast<int16_t>(y);
  c.argument = static_cast<int16_t>(argument);
  return c;
}

}  // namespace

AnimationCommand animationFrame(int sprite, int x, int y) {
  return command(AnimationCommand::kFrame, sprite, x, y);
}

AnimationCommand animationDelay(int advances) {
  return command(AnimationCommand::kSetDelay, advances);
}

AnimationCommand animationRepeatCount(int times) {
  return command(AnimationCommand::kSetRepeat, times);
}

AnimationCommand animationRepeat(int offset) {
  return command(AnimationCommand::kRepeat, offset);
}

AnimationCommand animationJump(int offset) {
  return command(AnimationCommand::kJump, offset);
}

ByteWriter writeAnimation(const std::vector<AnimationScript>& sequences,
                          const AnimationHeader& header, std::optional<int32_t> sequenceCount) {
  ByteWriter out;
  out.appendBytes(header.data(), static_cast<int32_t>(header.size()));
  out.appendInt32(sequenceCount.value_or(static_cast<int32_t>(sequences.size())));
  for (const AnimationScript& script : sequences) {
    out.appendInt32(static_cast<int32_t>(script.size()));
    for (const AnimationCommand& c : script) {
      out.appendByte(static_cast<uint8_t>(c.type));
      out.appendUInt16(static_cast<uint16_t>(c.x));
      out.appendUInt16(static_cast<uint16_t>(c.y));
      out.appendUInt16(static_cast<uint16_t>(c.argument));
      out.appendUInt16(c.extra);
    }
  }
  return out;
}

bool saveAnimation(const std::vector<AnimationScript>& sequences, const std::string& path,
                   const AnimationHeader& header) {
  return saveStored(writeAnimation(sequences, header), path);
}

}  // namespace bt
