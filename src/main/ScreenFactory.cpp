#include "main/ScreenFactory.h"

#include <utility>

#include "net/OnlineScoreScreen.h"
#include "screens/IntroScreen.h"
#include "screens/ScoreTableScreen.h"

namespace bt {

std::unique_ptr<Screen> makeScreen(ScreenId id, Application& app, const ScoreServer& server) {
  switch (id) {
    case ScreenId::Intro:
      return std::make_unique<IntroScreen>(app);
    case ScreenId::ScoreTable:
      return std::make_unique<ScoreTableScreen>(app);
    case ScreenId::OnlineScores:
      return std::make_unique<OnlineScoreScreen>(app, server);
    default:
      return nullptr;
  }
}

ScreenFactory makeScreenFactory(ScoreServer server) {
  return [server = std::move(server)](ScreenId id, Application& app) {
    return makeScreen(id, app, server);
  };
}

}  // namespace bt
