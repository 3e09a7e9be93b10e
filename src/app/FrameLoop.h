#pragma once
// The frame loop: window messages first; a frame at most every 16 ms; the
// frame buffer presented and the sound mixer fed only after a frame that drew.
// The desktop runs it to the end on its own thread (runFrameLoop); a browser
// owns its loop and calls step once per animation frame. Both run the same
// step, so they keep the same order and pacing.
#include <cstdint>

namespace bt {

class ApplicationBase;

inline constexpr uint32_t kFrameMilliseconds = 16;

class FrameLoop {
 public:
  enum class Step {
    Message,  // one message was handled
    Frame,    // a frame ran (and was shown if it drew)
    Idle,     // nothing waits and no frame is due before nextFrameDue()
    Quit,     // the quit message was taken: the loop is over
  };

  explicit FrameLoop(ApplicationBase& app) : app_(app) {}

  // Handles one waiting message, or runs a frame when 16 ms have passed
  // since the last one.
  Step step();
  // Everything that is due now: messages until none waits, then at most one
  // frame. Ends early on the quit message (and then returns false).
  bool runDue();
  // The tick at which the next frame is due.
  uint32_t nextFrameDue() const { return last_ + kFrameMilliseconds; }

 private:
  void frame();

  ApplicationBase& app_;
  uint32_t last_ = 0;
};

// Runs until the quit message is taken from the queue.
void runFrameLoop(ApplicationBase& app);

}  // namespace bt
