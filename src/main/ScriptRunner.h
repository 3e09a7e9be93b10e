#pragma once
// Plays a script into the headless platform: whenever the frame loop would
// wait, the next commands post their messages or let frames run, until the
// script ends with the window's close message.
#include <string>

#include "main/Script.h"
#include "platform/headless/HeadlessPlatform.h"

namespace bt {

class ScriptRunner {
 public:
  ScriptRunner(platform::HeadlessPlatform& platform, Script script);
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // "" while every command worked; else "script:LINE: message".
  const std::string& failure() const { return failure_; }
  int framesRun() const { return framesRun_; }

 private:
  void onIdle();
  // Runs steps until one posts a message or lets a frame run.
  void runSteps();
  bool takeShot(const ScriptStep& step, std::string& whyNot);
  void close();

  platform::HeadlessPlatform& platform_;
  Script script_;
  size_t next_ = 0;
  uint32_t framesLeft_ = 0;
  int framesRun_ = 0;
  bool closed_ = false;
  std::string failure_;
};

}  // namespace bt
