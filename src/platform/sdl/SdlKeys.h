#pragma once
// Desktop keys as SDL reports them, named for the shared key table.
#include <SDL.h>

#include <cstdint>
#include <optional>

#include "platform/DesktopKeys.h"

namespace bt::platform {

// The table's name for an SDL key, nullopt for keys the table lacks.
std::optional<DesktopKey> desktopKeyOfSdlKey(SDL_Keycode key);
KeyModifiers modifiersOfSdlKey(const SDL_Keysym& key);

// The virtual-key code of a key with its modifiers (see virtualKeyOf).
std::optional<uint32_t> virtualKeyOfSdlKey(const SDL_Keysym& key);
bool isFullscreenToggle(const SDL_Keysym& key);

}  // namespace bt::platform
