#pragma once
// The screens of the program, by id.
#include <memory>

#include "app/Application.h"

namespace bt {

// nullptr for an id that has no screen.
std::unique_ptr<Screen> makeScreen(ScreenId id, Application& app);

}  // namespace bt
