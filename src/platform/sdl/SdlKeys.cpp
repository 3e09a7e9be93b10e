#include "platform/sdl/SdlKeys.h"

namespace bt::platform {

std::optional<uint32_t> virtualKeyOfSdlKey(SDL_Keycode key) {
  if (key >= SDLK_0 && key <= SDLK_9) return kVkDigit0 + static_cast<uint32_t>(key - SDLK_0);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
    return kVkDigit1 + static_cast<uint32_t>(key - SDLK_KP_1);
  }
  // Keyboard F3 .. F12 are the phone's further keys "F1" .. "F10".
  if (key == SDLK_F3) return kVkF1;
  if (key == SDLK_F4) return kVkF2;
  if (key >= SDLK_F5 && key <= SDLK_F12) return kVkF3 + static_cast<uint32_t>(key - SDLK_F5);
  switch (key) {
    case SDLK_LEFT:
      return kVkLeft;
    case SDLK_UP:
      return kVkUp;
    case SDLK_RIGHT:
      return kVkRight;
    case SDLK_DOWN:
      return kVkDown;
    case SDLK_KP_0:
      return kVkDigit0;
    case SDLK_F1:
      return kVkLeftSoft;
    case SDLK_F2:
      return kVkRightSoft;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
      return kVkAction;
    case SDLK_ESCAPE:
    case SDLK_BACKSPACE:
      return kVkBack;
    case SDLK_KP_MULTIPLY:
    case SDLK_BACKQUOTE:
      return kVkStar;
    case SDLK_KP_DIVIDE:
    case SDLK_QUOTE:
      return kVkHash;
    case SDLK_KP_PLUS:
    case SDLK_PAGEUP:
      return kVkVolumeUp;
    case SDLK_KP_MINUS:
    case SDLK_PAGEDOWN:
      return kVkVolumeDown;
    default:
      return std::nullopt;
  }
}

bool isFullscreenToggle(const SDL_Keysym& key) {
  if (key.sym == SDLK_F11) return (key.mod & KMOD_SHIFT) == 0;
  return (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) && (key.mod & KMOD_ALT) != 0;
}

std::optional<uint32_t> virtualKeyOfSdlKey(const SDL_Keysym& key) {
  if (isFullscreenToggle(key)) return std::nullopt;
  if (key.sym == SDLK_u || (key.sym == SDLK_z && (key.mod & KMOD_CTRL) != 0)) return kVkUndo;
  return virtualKeyOfSdlKey(key.sym);
}

}  // namespace bt::platform
