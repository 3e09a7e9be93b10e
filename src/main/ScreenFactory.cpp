#include "main/ScreenFactory.h"

namespace bt {

std::unique_ptr<Screen> makeScreen(ScreenId id, Application& app) {
  (void)app;
  switch (id) {
    default:
      return nullptr;
  }
}

}  // namespace bt
