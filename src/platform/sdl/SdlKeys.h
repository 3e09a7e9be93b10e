#pragma once
// Desktop keys as the phone's virtual-key codes (the table is in the README,
// section "Keys").
#include <SDL.h>

#include <cstdint>
#include <optional>

#include "platform/VirtualKeys.h"

namespace bt::platform {

// The virtual-key code of a desktop key, nullopt for keys the phone lacks.
std::optional<uint32_t> virtualKeyOfSdlKey(SDL_Keycode key);
// The same for a key with its modifiers, adding the desktop's own keys:
// Ctrl+Z and U give kVkUndo. The fullscreen toggle gives nothing, so the
// phone's "F9" is Shift+F11.
std::optional<uint32_t> virtualKeyOfSdlKey(const SDL_Keysym& key);
// F11 (without Shift) and Alt+Enter switch between window and fullscreen.
bool isFullscreenToggle(const SDL_Keysym& key);

}  // namespace bt::platform
