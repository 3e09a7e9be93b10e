#pragma once
// An Application on the headless platform, with screens that record every
// call into one shared log, and a way to run the real frame loop for a
// number of frames.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/FrameLoop.h"
#include "platform/headless/HeadlessPlatform.h"
#include "storage/Paths.h"
#include "support/TempFolder.h"

namespace bt::test {

class RecordingScreen : public Screen {
 public:
  RecordingScreen(Application& app, int id, std::vector<std::string>& log)
      : Screen(app), id_(id), log_(log) {}
  ~RecordingScreen() override { record("destroy"); }

  void enter() override { record("enter"); }
  void leave() override { record("leave"); }
  void frame() override {
    record("frame");
    if (onFrame) onFrame();
  }
  void keyDown(GameKey key) override {
    record("keyDown " + std::to_string(key));
    if (onKeyDown) onKeyDown(key);
  }
  void keyUp(GameKey key) override { record("keyUp " + std::to_string(key)); }
  void penDown(uint16_t x, uint16_t y) override {
    record("penDown " + std::to_string(x) + "," + std::to_string(y));
    Screen::penDown(x, y);
  }
  void penUp(uint16_t x, uint16_t y) override {
    record("penUp " + std::to_string(x) + "," + std::to_string(y));
  }
  void penMove(uint16_t x, uint16_t y) override {
    record("penMove " + std::to_string(x) + "," + std::to_string(y));
  }
  void command(uint8_t id) override { record("command " + std::to_string(id)); }

  using Screen::addHitRect;
  using Screen::app;
  std::function<void()> onFrame;
  std::function<void(GameKey)> onKeyDown;

 private:
  void record(const std::string& what) { log_.push_back(std::to_string(id_) + " " + what); }
  int id_;
  std::vector<std::string>& log_;
};

// Counts ticks, so that tests can run the loop for a given number of frames.
class CountingApplication : public Application {
 public:
  using Application::Application;
  bool tick() override {
    ++ticks;
    return Application::tick();
  }
  int ticks = 0;
};

class ShellTest : public ::testing::Test {
 protected:
  ~ShellTest() override { app_.reset(); }

  // The screen the application creates for a request: by default one that
  // records into log.
  virtual std::unique_ptr<Screen> makeScreen(const ScreenRequest& request, Application& app) {
    const int id = static_cast<int>(request.id);
    auto screen = std::make_unique<RecordingScreen>(app, id, log_);
    log_.push_back(std::to_string(id) + " create");
    return screen;
  }

  // Creates the application (its screens from makeScreen) and opens its
  // display.
  CountingApplication& start(int32_t width = 240, int32_t height = 320) {
    app_ = std::make_unique<CountingApplication>(
        platform_, width, height,
        [this](const ScreenRequest& request, Application& app) { return makeScreen(request, app); },
        folders_);
    EXPECT_TRUE(app_->openDisplay());
    return *app_;
  }

  // Runs the frame loop until `frames` more frames have run (or the program
  // quits); true when it quit by itself.
  bool runFrames(int frames) {
    const int target = app_->ticks + frames;
    bool stopped = false;
    platform_.setIdleHandler([&](uint32_t) {
      if (app_->ticks >= target) {
        stopped = true;
        platform_.post(platform::Message{platform::kMessageQuit, 0, 0});
      }
    });
    runFrameLoop(*app_);
    platform_.setIdleHandler(nullptr);
    return !stopped;
  }

  RecordingScreen* current() { return static_cast<RecordingScreen*>(app_->currentScreen()); }
  std::vector<std::string> takeLog() { return std::exchange(log_, {}); }

  TempFolder folder_;
  // Art and data of the application start creates: by default both in
  // folder_, which holds no art (the font stays empty).
  Folders folders_{folder_.path(), folder_.path()};
  platform::HeadlessPlatform platform_{1000};
  std::unique_ptr<CountingApplication> app_;
  std::vector<std::string> log_;
};

}  // namespace bt::test
