#pragma once
// The frame loop: window messages first; a frame at most every 16 ms; the
// frame buffer presented and the sound mixer fed only after a frame that drew.
#include <cstdint>

namespace bt {

class ApplicationBase;

inline constexpr uint32_t kFrameMilliseconds = 16;

// Runs until the quit message is taken from the queue.
void runFrameLoop(ApplicationBase& app);

}  // namespace bt
