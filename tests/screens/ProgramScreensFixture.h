#pragma once
// The real Application on the headless backend with the program's own
// screens, made by the real makeScreen; the id of every screen made is
// recorded, so that a test sees which screen a key or a tap asked for.
#include <memory>
#include <vector>

#include "app/ShellFixture.h"
#include "main/ScreenFactory.h"

namespace bt::test {

class ProgramScreensTest : public ShellTest {
 protected:
  std::unique_ptr<Screen> makeScreen(const ScreenRequest& request, Application& app) override {
    created_.push_back(static_cast<int>(request.id));
    return bt::makeScreen(request, app, scoreServer_);
  }

  // Uses the art the build made (else the art in folder_, none by default).
  void useBuiltArt() { folders_ = Folders(std::string(BT_BINARY_DIR) + "/bin", folder_.path()); }

  std::vector<int> created_;  // screen ids, in the order they were made
  ScoreServer scoreServer_;   // what the online score screen talks to
};

}  // namespace bt::test
