#include "main/ScreenFactory.h"

#include "screens/IntroScreen.h"

namespace bt {

std::unique_ptr<Screen> makeScreen(ScreenId id, Application& app) {
  switch (id) {
    case ScreenId::Intro:
      return std::make_unique<IntroScreen>(app);
    default:
      return nullptr;
  }
}

}  // namespace bt
