#include "app/Application.h"

#include <new>
#include <utility>

#include "app/DataFiles.h"
#include "platform/os/FileSystem.h"
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
  keepScoresFile_ = loadScores(scores_, makeDataPath(kScoresFile)) == ScoresFile::Unreadable;
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
  if (!saveSettings(settings_, path, &whyNot)) reportFailedSave("the settings", path, whyNot);
}

bool Application::writeScores() {
  if (keepScoresFile_) return false;
  const std::string path = makeDataPath(kScoresFile);
  std::string whyNot;
  if (saveScores(scores_, path, &whyNot)) return true;
  reportFailedSave("the scores", path, whyNot);
  return false;
}

bool Application::writeDataFile(std::string_view name, std::string_view what,
                                const std::vector<uint8_t>& bytes) {
  const std::string path = makeDataPath(name);
  std::string whyNot;
  if (os::writeFileAtomically(path, bytes, &whyNot, os::Replace::ReadableFile)) return true;
  reportFailedSave(what, path, whyNot);
  return false;
}

void Application::reportFailedSave(std::string_view what, const std::string& path,
                                   const std::string& whyNot) {
  const std::string said = std::string(what) + " to " + quote(path) + ": " + whyNot;
  warn("cannot save " + said + "; what was there before is left as it was");
  platform().reportSaveFailure("Brambletop could not save " + said +
                               ". What was there before is left as it was.");
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
