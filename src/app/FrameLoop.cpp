#include "app/FrameLoop.h"

#include "app/ApplicationBase.h"

namespace bt {

FrameLoop::Step FrameLoop::step() {
  platform::Platform& platform = app_.platform();
  if (auto message = platform.takeMessage()) {
    if (message->id == platform::kMessageQuit) return Step::Quit;
    app_.handleMessage(*message);
    return Step::Message;
  }
  // Unsigned difference: a tick count that wraps past zero keeps pacing.
  if (platform.tickCount() - last_ < kFrameMilliseconds) return Step::Idle;
  frame();
  return Step::Frame;
}

bool FrameLoop::runDue() {
  for (;;) {
    switch (step()) {
      case Step::Message:
        continue;
      case Step::Quit:
        return false;
      case Step::Frame:
      case Step::Idle:
        return true;
    }
  }
}

void FrameLoop::frame() {
  last_ = app_.platform().tickCount();
  app_.tick();
  if (app_.redrawPending()) {
    app_.present();
    app_.clearRedrawPending();
    app_.mixer().service();
  }
}

void runFrameLoop(ApplicationBase& app) {
  FrameLoop loop(app);
  for (;;) {
    switch (loop.step()) {
      case FrameLoop::Step::Quit:
        return;
      case FrameLoop::Step::Idle:
        // Sleep until the next message or the next frame is due, so that an
        // idle screen costs no CPU; a still one needs no frame at all.
        if (app.still()) {
          app.platform().waitStill(loop.nextFrameDue());
        } else {
          app.platform().waitMessage(loop.nextFrameDue());
        }
        break;
      case FrameLoop::Step::Message:
      case FrameLoop::Step::Frame:
        break;
    }
  }
}

}  // namespace bt
