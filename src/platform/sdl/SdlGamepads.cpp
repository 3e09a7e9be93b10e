#include "platform/sdl/SdlGamepads.h"

#include <cstdlib>

#include "platform/VirtualKeys.h"

namespace bt::platform {

namespace {

std::optional<uint32_t> virtualKeyOfButton(uint8_t button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return kVkUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return kVkDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return kVkLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return kVkRight;
    case SDL_CONTROLLER_BUTTON_A:
      return kVkAction;
    case SDL_CONTROLLER_BUTTON_B:
      return kVkBack;
    case SDL_CONTROLLER_BUTTON_X:
      return kVkStar;
    case SDL_CONTROLLER_BUTTON_Y:
      return kVkHash;
    case SDL_CONTROLLER_BUTTON_START:
      return kVkLeftSoft;
    case SDL_CONTROLLER_BUTTON_BACK:
      return kVkRightSoft;
    // No phone key: the desktop's L (the level select, from the main menu).
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      return letterKey('L');
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return letterKey('H');  // the desktop's H: a hint in the game
    default:
      return std::nullopt;
  }
}

bool isDirection(uint32_t virtualKey) {
  return virtualKey >= kVkLeft && virtualKey <= kVkDown;
}

// Past the dead zone, the axis the stick leans further along decides.
uint32_t stickDirection(int x, int y) {
  if (std::abs(x) < SdlGamepads::kDeadZone && std::abs(y) < SdlGamepads::kDeadZone) return 0;
  if (std::abs(x) >= std::abs(y)) return x < 0 ? kVkLeft : kVkRight;
  return y < 0 ? kVkUp : kVkDown;
}

}  // namespace

SdlGamepads::~SdlGamepads() {
  for (auto& [id, controller] : open_) SDL_GameControllerClose(controller);
}

bool SdlGamepads::translate(const SDL_Event& event, uint32_t now) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      // which is the device index here; the events that follow carry the
      // controller's instance id.
      if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which)) {
        open_[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller))] = controller;
      }
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      if (auto found = open_.find(event.cdevice.which); found != open_.end()) {
        SDL_GameControllerClose(found->second);
        open_.erase(found);
      }
      releaseAll();  // a pulled-out pad never sends its releases
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (auto vk = virtualKeyOfButton(event.cbutton.button)) {
        if (event.type == SDL_CONTROLLERBUTTONDOWN) {
          press(*vk, now);
        } else {
          release(*vk);
        }
      }
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
        moveStick(event.caxis.value, stickY_, now);
      } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        moveStick(stickX_, event.caxis.value, now);
      }
      return true;
    default:
      return false;
  }
}

void SdlGamepads::press(uint32_t virtualKey, uint32_t now) {
  emit_(keyMessage(kMessageKeyDown, virtualKey));
  if (!isDirection(virtualKey)) return;
  heldKey_ = virtualKey;
  repeatDue_ = now + kRepeatDelay;
}

void SdlGamepads::release(uint32_t virtualKey) {
  emit_(keyMessage(kMessageKeyUp, virtualKey));
  if (virtualKey == heldKey_) heldKey_ = 0;
}

void SdlGamepads::moveStick(int x, int y, uint32_t now) {
  stickX_ = x;
  stickY_ = y;
  const uint32_t direction = stickDirection(x, y);
  if (direction == stickKey_) return;
  if (stickKey_ != 0) release(stickKey_);
  stickKey_ = direction;
  if (stickKey_ != 0) press(stickKey_, now);
}

void SdlGamepads::releaseAll() {
  if (stickKey_ != 0 && stickKey_ != heldKey_) emit_(keyMessage(kMessageKeyUp, stickKey_));
  if (heldKey_ != 0) emit_(keyMessage(kMessageKeyUp, heldKey_));
  stickX_ = stickY_ = 0;
  stickKey_ = heldKey_ = 0;
}

void SdlGamepads::repeat(uint32_t now) {
  // Compared with wrap-around, as the tick count wraps. One repeat at a
  // time: after a stall the key goes on from now instead of in a burst.
  if (heldKey_ == 0 || static_cast<int32_t>(now - repeatDue_) < 0) return;
  emit_(keyMessage(kMessageKeyDown, heldKey_));
  repeatDue_ += kRepeatInterval;
  if (static_cast<int32_t>(now - repeatDue_) >= 0) repeatDue_ = now + kRepeatInterval;
}

std::optional<uint32_t> SdlGamepads::nextRepeat() const {
  if (heldKey_ == 0) return std::nullopt;
  return repeatDue_;
}

}  // namespace bt::platform
