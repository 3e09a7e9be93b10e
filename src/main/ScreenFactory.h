#pragma once
// The screens of the program, by request: the game screen with the session
// it plays (the phone's new and continued games are campaign sessions).
#include <memory>

#include "app/Application.h"
#include "net/ScoreServer.h"

namespace bt {

// nullptr for an id that has no screen. The online score screen talks to
// server.
std::unique_ptr<Screen> makeScreen(const ScreenRequest& request, Application& app,
                                   const ScoreServer& server = {});

// makeScreen with server, as the Application's factory.
ScreenFactory makeScreenFactory(ScoreServer server);

}  // namespace bt
