#include "platform/sdl/SdlKeys.h"

namespace bt::platform {

std::optional<uint32_t> virtualKeyOfSdlKey(SDL_Keycode key) {
  if (key >= SDLK_0 && key <= SDLK_9) return 48 + static_cast<uint32_t>(key - SDLK_0);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 49 + static_cast<uint32_t>(key - SDLK_KP_1);
  // Keyboard F3 .. F12 are the phone's further keys "F1" .. "F10": virtual
  // keys 114 and 115, then 194 to 201.
  if (key == SDLK_F3) return 114;
  if (key == SDLK_F4) return 115;
  if (key >= SDLK_F5 && key <= SDLK_F12) return 194 + static_cast<uint32_t>(key - SDLK_F5);
  switch (key) {
    case SDLK_LEFT:
      return 37;
    case SDLK_UP:
      return 38;
    case SDLK_RIGHT:
      return 39;
    case SDLK_DOWN:
      return 40;
    case SDLK_KP_0:
      return 48;
    case SDLK_F1:
      return 112;  // left soft key
    case SDLK_F2:
      return 113;  // right soft key
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
      return 13;  // action
    case SDLK_ESCAPE:
    case SDLK_BACKSPACE:
      return 27;  // back
    case SDLK_KP_MULTIPLY:
    case SDLK_BACKQUOTE:
      return 192;  // star
    case SDLK_KP_DIVIDE:
    case SDLK_QUOTE:
      return 222;  // hash
    case SDLK_KP_PLUS:
    case SDLK_PAGEUP:
      return 117;  // volume up
    case SDLK_KP_MINUS:
    case SDLK_PAGEDOWN:
      return 118;  // volume down
    default:
      return std::nullopt;
  }
}

}  // namespace bt::platform
