#pragma once
// Base of every screen. Exactly one screen is alive at a time; the
// Application creates it, calls enter, then frame / key / pen calls, and
// leave when a switch replaces it. A screen never destroys itself: it
// calls Application::requestScreen and keeps running until the switch.
#include <cstdint>
#include <vector>

#include "app/Controls.h"
#include "app/GameKey.h"
#include "app/HitRect.h"

namespace bt {

class Application;

class Screen {
 public:
  explicit Screen(Application& app) : app_(app) {}
  virtual ~Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Loads files and builds the layout.
  virtual void enter() {}
  // Frees what enter loaded; not called when the program ends.
  virtual void leave() {}
  // Updates and draws one frame; sets the application's redraw flag when
  // anything was drawn.
  virtual void frame() {}
  // True when frame() would neither draw nor change anything until a key, a
  // tap or a message arrives, so that the frame loop may sleep until one
  // does. A screen that counts frames (a slide, a timeout) is not still.
  virtual bool still() const { return false; }
  // The player switched the moves in the picture (Application::movesShown).
  virtual void movesShownChanged() {}
  virtual void keyUp(GameKey) {}
  virtual void keyDown(GameKey) {}
  // The desktop's undo and redo keys; only the game screen answers them.
  virtual void undo() {}
  virtual void redo() {}
  // A letter typed on a keyboard ('A' to 'Z'), where a name is typed.
  virtual void typeLetter(char) {}
  // What the desktop's own keys, the caption band and the key legend do
  // here now (see Controls); nothing by default.
  virtual Controls controls() const { return {}; }
  // Calls command with the id of the first hit rectangle, in the order they
  // were added, that contains the point.
  virtual void penDown(uint16_t x, uint16_t y);
  virtual void penUp(uint16_t, uint16_t) {}
  virtual void penMove(uint16_t, uint16_t) {}
  virtual void release() {}
  virtual void command(uint8_t) {}

 protected:
  Application& app() { return app_; }
  const Application& app() const { return app_; }
  void addHitRect(const HitRect& rect) { hitRects_.push_back(rect); }
  std::vector<HitRect>& hitRects() { return hitRects_; }

 private:
  Application& app_;
  std::vector<HitRect> hitRects_;
};

}  // namespace bt
