#include "main/ScreenFactory.h"

#include "screens/GameScreen.h"
#include "screens/IntroScreen.h"

namespace bt {

std::unique_ptr<Screen> makeScreen(ScreenId id, Application& app) {
  switch (id) {
    case ScreenId::NewGame:
      return std::make_unique<GameScreen>(app, false);
    case ScreenId::ContinueGame:
      return std::make_unique<GameScreen>(app, true);
    case ScreenId::Intro:
      return std::make_unique<IntroScreen>(app);
    default:
      return nullptr;
  }
}

}  // namespace bt
