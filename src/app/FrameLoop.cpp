#include "app/FrameLoop.h"

#include "app/ApplicationBase.h"

namespace bt {

void runFrameLoop(ApplicationBase& app) {
  platform::Platform& platform = app.platform();
  uint32_t last = 0;
  for (;;) {
    if (auto message = platform.takeMessage()) {
      if (message->id == platform::kMessageQuit) return;
      app.handleMessage(*message);
      continue;
    }
    // Unsigned difference: a tick count that wraps past zero keeps pacing.
    const uint32_t now = platform.tickCount();
    if (now - last < kFrameMilliseconds) {
      // Sleep until the next message or the next frame is due, so that an
      // idle screen costs no CPU.
      platform.waitMessage(last + kFrameMilliseconds);
      continue;
    }
    last = platform.tickCount();
    app.tick();
    if (app.redrawPending()) {
      app.present();
      app.clearRedrawPending();
      app.mixer().service();
    }
  }
}

}  // namespace bt
