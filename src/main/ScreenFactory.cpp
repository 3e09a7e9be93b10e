#include "main/ScreenFactory.h"

#include <utility>

#include "screens/ConfirmNewGameScreen.h"
#include "screens/GameScreen.h"
#include "screens/HelpScreen.h"
#include "screens/IntroScreen.h"
#include "screens/LevelSelectScreen.h"
#include "screens/MainMenuScreen.h"
#include "screens/OnlineScoreScreen.h"
#include "screens/OptionsScreen.h"
#include "screens/RandomPuzzleScreen.h"
#include "screens/ScoreTableScreen.h"

namespace bt {

std::unique_ptr<Screen> makeScreen(ScreenId id, Application& app, const ScoreServer& server) {
  switch (id) {
    case ScreenId::NewGame:
      return std::make_unique<GameScreen>(app, GameStart::New);
    case ScreenId::ContinueGame:
      return std::make_unique<GameScreen>(app, GameStart::Continue);
    case ScreenId::PracticeGame:
      return std::make_unique<GameScreen>(app, GameStart::Practice);
    case ScreenId::LevelSelect:
      return std::make_unique<LevelSelectScreen>(app);
    case ScreenId::RandomPuzzle:
      return std::make_unique<RandomPuzzleScreen>(app);
    case ScreenId::PuzzleGame:
      return std::make_unique<GameScreen>(app, GameStart::Puzzle);
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
  return [server = std::move(server)](ScreenId id, Application& app) {
    return makeScreen(id, app, server);
  };
}

}  // namespace bt
