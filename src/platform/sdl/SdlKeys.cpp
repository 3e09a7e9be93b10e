#include "platform/sdl/SdlKeys.h"

namespace bt::platform {

std::optional<DesktopKey> desktopKeyOfSdlKey(SDL_Keycode key) {
  using enum DesktopKey;
  if (key >= SDLK_0 && key <= SDLK_9) return offsetKey(Digit0, key - SDLK_0);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return offsetKey(Keypad1, key - SDLK_KP_1);
  if (key >= SDLK_F1 && key <= SDLK_F12) return offsetKey(F1, key - SDLK_F1);
  if (key >= SDLK_a && key <= SDLK_z) return offsetKey(A, key - SDLK_a);
  switch (key) {
    case SDLK_LEFT:
      return Left;
    case SDLK_UP:
      return Up;
    case SDLK_RIGHT:
      return Right;
    case SDLK_DOWN:
      return Down;
    case SDLK_KP_0:
      return Keypad0;
    case SDLK_RETURN:
      return Return;
    case SDLK_KP_ENTER:
      return KeypadEnter;
    case SDLK_SPACE:
      return Space;
    case SDLK_ESCAPE:
      return Escape;
    case SDLK_BACKSPACE:
      return Backspace;
    case SDLK_KP_MULTIPLY:
      return KeypadMultiply;
    case SDLK_BACKQUOTE:
      return Backquote;
    case SDLK_KP_DIVIDE:
      return KeypadDivide;
    case SDLK_QUOTE:
      return Quote;
    case SDLK_KP_PLUS:
      return KeypadPlus;
    case SDLK_PAGEUP:
      return PageUp;
    case SDLK_KP_MINUS:
      return KeypadMinus;
    case SDLK_PAGEDOWN:
      return PageDown;
    case SDLK_SLASH:
    case SDLK_QUESTION:
      return Slash;
    default:
      return std::nullopt;
  }
}

KeyModifiers modifiersOfSdlKey(const SDL_Keysym& key) {
  return KeyModifiers{(key.mod & KMOD_SHIFT) != 0, (key.mod & KMOD_CTRL) != 0,
                      (key.mod & KMOD_ALT) != 0};
}

std::optional<uint32_t> virtualKeyOfSdlKey(const SDL_Keysym& key) {
  const auto desktopKey = desktopKeyOfSdlKey(key.sym);
  if (!desktopKey) return std::nullopt;
  return virtualKeyOf(*desktopKey, modifiersOfSdlKey(key));
}

bool isFullscreenToggle(const SDL_Keysym& key) {
  const auto desktopKey = desktopKeyOfSdlKey(key.sym);
  return desktopKey && isFullscreenToggle(*desktopKey, modifiersOfSdlKey(key));
}

}  // namespace bt::platform
