#include "app/Application.h"

#include <new>
#include <utility>

#include "app/DataFiles.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"

namespace bt {

Application::Application(platform::Platform& platform, int32_t width, int32_t height,
                         ScreenFactory factory, Folders folders)
    : ApplicationBase(platform, width, height),
      folders_(std::move(folders)),
      artSet_(width == 176 ? 0 : 1),
      factory_(std::move(factory)) {
  font_.load(
      makePath(artSet_ == 0 ? "Game_Sprite\\font176x220.spr" : "Game_Sprite\\font240x320.spr"));
  keepSettingsFile_ =
      loadSettings(settings_, makeDataPath(kSettingsFile)) == SettingsFile::Unreadable;
  loadScores(scores_, makeDataPath(kScoresFile));
  // The frame buffer is still black, so the first fade step ends at once and
  // the intro is entered on the first frame.
  requestScreen(ScreenId::Intro);
}

std::string Application::makePath(std::string_view name) const {
  return folders_.makePath(name);
}

std::string Application::makeDataPath(std::string_view name) const {
  return folders_.makeDataPath(name);
}

void Application::writeSettings() {
  if (keepSettingsFile_) return;
  const std::string path = makeDataPath(kSettingsFile);
  std::string whyNot;
  if (!saveSettings(settings_, path, &whyNot)) {
    warn("cannot save the settings to " + quote(path) + ": " + whyNot);
  }
}

Application::~Application() {
  writeSettings();
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
  // Only the low 8 bits of a request count.
  const auto screen = static_cast<ScreenId>(static_cast<uint32_t>(id) & 0xFF);
  if (screen == ScreenId::Quit) {
    quit();
    return;
  }
  pendingScreen_ = screen;
  setSwitchPending(true);
}

void Application::performSwitch() {
  if (currentScreen_) currentScreen_->leave();
  currentScreen_.reset();
  if (!factory_) return;
  try {
    currentScreen_ = factory_(pendingScreen_, *this);
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

void Application::undo() {
  if (currentScreen_ && !switchPending()) currentScreen_->undo();
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
