#include "main/ScriptRunner.h"

#include <chrono>
#include <thread>

#include "platform/headless/PngFile.h"
#include "platform/os/Quote.h"

namespace bt {

using platform::Message;

ScriptRunner::ScriptRunner(platform::HeadlessPlatform& platform, Script script)
    : platform_(platform), script_(std::move(script)) {
  platform_.setIdleHandler([this](uint32_t) { onIdle(); });
}

ScriptRunner::~ScriptRunner() {
  platform_.setIdleHandler(nullptr);
}

// Called each time the loop has no message and the next frame is not yet
// due. Returning without posting lets the virtual clock reach the frame.
void ScriptRunner::onIdle() {
  if (closed_) {
    // The close message has been handled and the loop still runs: end it.
    platform_.post(Message{platform::kMessageQuit, 0, 0});
    return;
  }
  if (framesLeft_ > 0) {
    --framesLeft_;
    ++framesRun_;
    return;
  }
  runSteps();
}

void ScriptRunner::runSteps() {
  while (next_ < script_.steps.size()) {
    const ScriptStep& step = script_.steps[next_++];
    switch (step.kind) {
      case ScriptStep::Kind::Post:
        platform_.post(step.message);
        return;
      case ScriptStep::Kind::Frames:
        if (step.count == 0) break;
        framesLeft_ = step.count - 1;
        ++framesRun_;
        return;
      case ScriptStep::Kind::Shot:
        if (std::string whyNot; !takeShot(step, whyNot)) {
          failure_ = "script:" + std::to_string(step.line) + ": cannot write " + quote(step.path) +
                     ": " + whyNot;
          close();
          return;
        }
        break;
      case ScriptStep::Kind::Sleep:
        std::this_thread::sleep_for(std::chrono::milliseconds(step.count));
        break;
      case ScriptStep::Kind::Quit:
        close();
        return;
    }
  }
  close();  // the end of the script quits
}

bool ScriptRunner::takeShot(const ScriptStep& step, std::string& whyNot) {
  platform::HeadlessDisplay& display = platform_.headlessDisplay();
  return platform::writePng565(step.path, display.shownPixels().data(), display.shownWidth(),
                               display.shownHeight(), &whyNot);
}

void ScriptRunner::close() {
  closed_ = true;
  platform_.post(Message{platform::kMessageClose, 0, 0});
}

}  // namespace bt
