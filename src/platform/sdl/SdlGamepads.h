#pragma once
// Game controllers as the phone's keys, through SDL's game-controller
// interface: opened when plugged in, closed when pulled out. The D-pad and
// the left stick give the arrow keys, repeated while held as the keyboard's
// auto-repeat does; A, B, X, Y give Action, Back, "*" and "#"; Start and
// Back give the left and right soft keys; the right shoulder button gives
// the desktop's H (a hint in the game; no phone key is left for it). Times are the caller's tick
// count, so the repeats follow whatever clock the caller keeps.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "platform/Message.h"

namespace bt::platform {

class SdlGamepads {
 public:
  // The stick must lean this far (of 32767) before it counts as a direction.
  static constexpr int kDeadZone = 12000;
  // A held direction repeats after this delay, then at this interval.
  static constexpr uint32_t kRepeatDelay = 400;
  static constexpr uint32_t kRepeatInterval = 80;

  using Emit = std::function<void(const Message&)>;
  explicit SdlGamepads(Emit emit) : emit_(std::move(emit)) {}
  ~SdlGamepads();
  SdlGamepads(const SdlGamepads&) = delete;
  SdlGamepads& operator=(const SdlGamepads&) = delete;

  // Handles a game-controller event; false for any other event.
  bool translate(const SDL_Event& event, uint32_t now);
  // Sends the repeats of the held direction that are due by now.
  void repeat(uint32_t now);
  // When the next repeat is due; nullopt while no direction is held.
  std::optional<uint32_t> nextRepeat() const;

 private:
  void press(uint32_t virtualKey, uint32_t now);
  void release(uint32_t virtualKey);
  void moveStick(int x, int y, uint32_t now);
  void releaseAll();

  Emit emit_;
  std::map<SDL_JoystickID, SDL_GameController*> open_;
  int stickX_ = 0;
  int stickY_ = 0;
  uint32_t stickKey_ = 0;  // the stick's direction now, 0 for none
  uint32_t heldKey_ = 0;   // the direction that repeats, 0 for none
  uint32_t repeatDue_ = 0;
};

}  // namespace bt::platform
