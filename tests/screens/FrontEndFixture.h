#pragma once
// The program's screens on the headless backend with the generated art, for
// the main menu, options, help and confirmation tests.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "art/InterfaceSprites.h"
#include "gfx/SpriteBank.h"
#include "screens/ProgramScreensFixture.h"

namespace bt::test {

struct DisplaySize {
  int w, h;
};
inline constexpr DisplaySize kDisplays[] = {{176, 220}, {240, 320}};

inline void PrintTo(const DisplaySize& d, std::ostream* os) {
  *os << d.w << "x" << d.h;
}

// Screen ids as plain numbers; kQuitted when the program ended instead.
inline constexpr int kNoScreen = -1;
inline constexpr int kQuitted = 0;

class FrontEndTest : public ProgramScreensTest {
 protected:
  FrontEndTest() { useBuiltArt(); }

  // Starts the program at a display size and switches to id; the screen is
  // entered on the second frame (the picture is still black, so no fade).
  void open(ScreenId id, DisplaySize d = {240, 320}) {
    app_.reset();
    start(d.w, d.h);
    runFrames(1);
    app_->requestScreen(id);
    runFrames(1);
    ASSERT_EQ(created_.back(), static_cast<int>(id));
    created_.clear();
    bank_.load(app_->makePath(interfaceBankPath(app_->artSet())));
  }

  // Runs up to `limit` frames: the id of the first screen created, kQuitted
  // when the program ended, kNoScreen when neither happened.
  int nextScreen(int limit = 20) {
    for (int i = 0; i < limit; ++i) {
      if (runFrames(1)) return kQuitted;
      if (!created_.empty()) return created_.front();
    }
    return kNoScreen;
  }

  // Runs frames until one presents nothing; the number of frames that did.
  int settle(int limit = 200) {
    for (int frames = 0; frames < limit; ++frames) {
      const int before = presents();
      runFrames(1);
      if (presents() == before) return frames;
    }
    return limit;
  }

  int presents() { return platform_.headlessDisplay().presentCount(); }
  int spriteHeight(uint32_t index) const { return bank_.sprite(index)->height; }
  int spriteWidth(uint32_t index) const { return bank_.sprite(index)->width; }

  // The row of the panel screens' soft-key buttons (their tap bands lie 10
  // pixels above and below it).
  int buttonRowY() const {
    const int th = spriteHeight(kSpriteMenuTitle);
    return app_->artSet() == 0 ? th / 2 + th + 5 * th
                               : th / 2 + th + 7 * th - 2 * spriteHeight(kSpriteButton);
  }

  SpriteBank bank_;  // the interface art of the open screen's display
};

}  // namespace bt::test
