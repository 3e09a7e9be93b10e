#include "main/ScreenFactory.h"

#include <utility>

#include "screens/CampaignSession.h"
#include "screens/ConfirmNewGameScreen.h"
#include "screens/GameScreen.h"
#include "screens/HelpScreen.h"
#include "screens/IntroScreen.h"
#include "screens/LevelSelectScreen.h"
#include "screens/MainMenuScreen.h"
#include "screens/OnlineScoreScreen.h"
#include "screens/OptionsScreen.h"
#include "screens/PuzzleSession.h"
#include "screens/RandomPuzzleScreen.h"
#include "screens/ScoreTableScreen.h"

namespace bt {

namespace {

// The game screen on the session a request carries, or on the puzzle its
// id names.
std::unique_ptr<Screen> playScreen(const ScreenRequest& request, Application& app) {
  if (request.session) return std::make_unique<GameScreen>(app, request.session);
  const auto spec = puzzle::parsePuzzleId(request.puzzleId);
  if (!spec) return nullptr;
  return std::make_unique<GameScreen>(app, puzzleSession(app, *spec));
}

std::unique_ptr<Screen> campaignScreen(Application& app, CampaignSession::Start start) {
  return std::make_unique<GameScreen>(app, std::make_shared<CampaignSession>(app, start));
}

}  // namespace

std::unique_ptr<Screen> makeScreen(const ScreenRequest& request, Application& app,
                                   const ScoreServer& server) {
  switch (request.id) {
    case ScreenId::NewGame:
      return campaignScreen(app, CampaignSession::Start::New);
    case ScreenId::ContinueGame:
      return campaignScreen(app, CampaignSession::Start::Continue);
    case ScreenId::Play:
      return playScreen(request, app);
    case ScreenId::LevelSelect:
      return std::make_unique<LevelSelectScreen>(app, request.entry, request.lastPuzzle);
    case ScreenId::RandomPuzzle:
      return std::make_unique<RandomPuzzleScreen>(app, request.lastPuzzle);
    case ScreenId::MainMenu:
      return std::make_unique<MainMenuScreen>(app);
    case ScreenId::Options:
      return std::make_unique<OptionsScreen>(app);
    case ScreenId::Help:
      return std::make_unique<HelpScreen>(app);
    case ScreenId::Intro:
      return std::make_unique<IntroScreen>(app);
    case ScreenId::ConfirmNewGame:
      return std::make_unique<ConfirmNewGameScreen>(app);
    case ScreenId::ScoreTable:
      return std::make_unique<ScoreTableScreen>(app);
    case ScreenId::OnlineScores:
      return std::make_unique<OnlineScoreScreen>(app, server);
    default:
      return nullptr;
  }
}

ScreenFactory makeScreenFactory(ScoreServer server) {
  return [server = std::move(server)](const ScreenRequest& request, Application& app) {
    return makeScreen(request, app, server);
  };
}

}  // namespace bt
