#include "app/Application.h"

#include <new>
#include <utility>

#include "storage/Paths.h"

namespace bt {

namespace {
constexpr const char* kSettingsFile = "settings.dat";
constexpr const char* kScoresFile = "highscores.dat";
}  // namespace

Application::Application(platform::Platform& platform, int32_t width, int32_t height,
                         ScreenFactory factory)
    : ApplicationBase(platform, width, height),
      artSet_(width == 176 ? 0 : 1),
      factory_(std::move(factory)) {
  font_.load(
      makePath(artSet_ == 0 ? "Game_Sprite\\font176x220.spr" : "Game_Sprite\\font240x320.spr"));
  loadSettings(settings_, makeDataPath(kSettingsFile));
  loadScores(scores_, makeDataPath(kScoresFile));
  // The frame buffer is still black, so the first fade step ends at once and
  // the intro is entered on the first frame.
  requestScreen(ScreenId::Intro);
}

std::string Application::makePath(std::string_view name) const {
  return bt::makePath(name);
}

std::string Application::makeDataPath(std::string_view name) const {
  return bt::makeDataPath(name);
}

Application::~Application() {
  saveSettings(settings_, makeDataPath(kSettingsFile));
  currentScreen_.reset();  // without leave: the program is ending
}

bool Application::tick() {
  if (!switchPending()) {
    if (currentScreen_) currentScreen_->frame();
    return true;
  }
  if (!frameBuffer().fadeStep(kFadeStep, true, true, true)) {
    setRedrawPending();  // show the darker picture this frame
    return true;
  }
  setSwitchPending(false);
  performSwitch();
  return true;
}

void Application::requestScreen(ScreenId id) {
  mixer().stopAll();
  const uint32_t value = static_cast<uint32_t>(id);
  if ((value & 0xFF) == 0) {
    quit();
    return;
  }
  pendingScreen_ = value;
  setSwitchPending(true);
}

void Application::performSwitch() {
  if (currentScreen_) currentScreen_->leave();
  currentScreen_.reset();
  if (!factory_) return;
  try {
    currentScreen_ = factory_(static_cast<ScreenId>(pendingScreen_ & 0xFF), *this);
  } catch (const std::bad_alloc&) {
    currentScreen_.reset();  // no screen: keys and frames reach nothing
  }
  if (currentScreen_) currentScreen_->enter();
}

void Application::keyUp(GameKey key) {
  if (currentScreen_) currentScreen_->keyUp(key);
}

void Application::keyDown(GameKey key) {
  if (currentScreen_) currentScreen_->keyDown(key);
}

void Application::penDown(uint16_t x, uint16_t y) {
  if (currentScreen_) currentScreen_->penDown(x, y);
}

void Application::penUp(uint16_t x, uint16_t y) {
  if (currentScreen_) currentScreen_->penUp(x, y);
}

void Application::penMove(uint16_t x, uint16_t y) {
  if (currentScreen_) currentScreen_->penMove(x, y);
}

}  // namespace bt
