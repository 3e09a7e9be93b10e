#pragma once
// The screens of the program, by id.
#include <memory>

#include "app/Application.h"
#include "net/ScoreServer.h"

namespace bt {

// nullptr for an id that has no screen. The online score screen talks to
// server.
std::unique_ptr<Screen> makeScreen(ScreenId id, Application& app, const ScoreServer& server = {});

// makeScreen with server, as the Application's factory.
ScreenFactory makeScreenFactory(ScoreServer server);

}  // namespace bt
