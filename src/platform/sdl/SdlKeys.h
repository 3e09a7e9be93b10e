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

}  // namespace bt::platform
