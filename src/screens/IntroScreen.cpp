#include "screens/IntroScreen.h"

#include "app/Application.h"
#include "gfx/Blit.h"
#include "screens/ScreenControls.h"

namespace bt {

void IntroScreen::enter() {
  animation_.load(app().makePath("Game_Animation\\intro.ani"));
  pictures_.load(app().makePath("Game_Sprite\\intro.spr"));
  sequence_ = animation_.sequence(0);
}

void IntroScreen::frame() {
  if (!sequence_) return;
  Application& a = app();
  const AnimationCommand* command = AnimationPlayer::currentCommand(*sequence_);
  // A frame naming a picture the bank lacks is skipped.
  if (command && command->type == AnimationCommand::kFrame && command->argument >= 0) {
    const int32_t half = a.width() / 2;  // the origin is the middle of the top square
    blitOpaque(pictures_.sprite(static_cast<uint32_t>(command->argument)), a.frameBuffer(),
               command->x + half, command->y + half, true);
  }
  if (AnimationPlayer::advance(*sequence_) == AnimationPlayer::kEnded) {
    a.requestScreen(ScreenId::MainMenu);
  } else {
    a.setRedrawPending();
  }
}

void IntroScreen::keyDown(GameKey) {
  app().requestScreen(ScreenId::MainMenu);
}

Controls IntroScreen::controls() const {
  return introControls();
}

}  // namespace bt
