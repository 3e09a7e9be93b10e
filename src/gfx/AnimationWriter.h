#pragma once
// The one writer of animation files (.ani stored files), for the art
// generator and the tests: a 26-byte header, the sequence count, then each
// sequence's command count and its 9-byte commands (type, then x, y,
// argument and extra as 16-bit values), as Animation::load reads them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Animation.h"
#include "storage/ByteWriter.h"

namespace bt {

using AnimationScript = std::vector<AnimationCommand>;
using AnimationHeader = std::array<uint8_t, Animation::kHeaderSize>;

AnimationCommand animationFrame(int sprite, int x, int y);
AnimationCommand animationDelay(int advances);
AnimationCommand animationRepeatCount(int times);
AnimationCommand animationRepeat(int offset);
AnimationCommand animationJump(int offset);

// The file's contents. sequenceCount replaces the true count (tests use it
// to stand for a damaged file).
ByteWriter writeAnimation(const std::vector<AnimationScript>& sequences,
                          const AnimationHeader& header = {},
                          std::optional<int32_t> sequenceCount = std::nullopt);
// Writes them as a stored file (atomically); false on failure.
bool saveAnimation(const std::vector<AnimationScript>& sequences, const std::string& path,
                   const AnimationHeader& header = {});

}  // namespace bt
