#pragma once
// Everything the program asks of the operating system beyond plain files: the
// window's message queue, the millisecond tick count, the display, wave
// output, the network, the per-user registry, the single-instance rule. Two
// backends implement it: sdl (a desktop window) and headless (virtual time,
// for tests and scripted runs).
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Display.h"
#include "platform/Message.h"
#include "platform/Network.h"
#include "platform/WaveOut.h"

namespace bt::platform {

// Work running on a thread of its own (Platform::startBackgroundTask).
// Destroying it waits until the work has returned.
class BackgroundTask {
 public:
  virtual ~BackgroundTask() = default;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Appends a message to the window's queue.
  virtual void post(const Message& message) = 0;
  // Takes the oldest waiting message off the queue without waiting.
  virtual std::optional<Message> takeMessage() = 0;
  // Returns when a message is waiting or the tick count has reached
  // deadline (compared with wrap-around), whichever comes first.
  virtual void waitMessage(uint32_t deadline) = 0;
  // The program has nothing to do until a message arrives (its screen is
  // still): a window may sleep until one does. A backend whose clock runs by
  // the frames (headless) waits for the next frame as usual, so its runs
  // stay frame for frame the same.
  virtual void waitStill(uint32_t nextFrameDue) { waitMessage(nextFrameDue); }
  // A line about the play beside the picture ("Brambletop - Level 12 -
  // 7 moves - par 6 - best 6"): the window's title on the desktop, the line
  // under the canvas and the page's title on the web. Never in the picture.
  virtual void showPlayLine(std::string_view text) { (void)text; }
  // Whether the moves show in the picture, for a page's checkbox.
  virtual void showMovesChoice(bool shown) { (void)shown; }
  // Milliseconds since some fixed moment; wraps around after 49.7 days.
  virtual uint32_t tickCount() = 0;
  // Blocks the calling thread for that long; no message is handled meanwhile.
  virtual void sleep(uint32_t milliseconds) = 0;

  virtual Display& display() = 0;
  // nullptr when the backend has no sound at all.
  virtual WaveOut* waveOut() = 0;
  virtual Network& network() = 0;

  // A string value under the current user; nullopt when it cannot be read.
  virtual std::optional<std::string> readRegistryString(std::string_view key,
                                                        std::string_view name) = 0;
  // Creates the key when needed; false when the value could not be written.
  virtual bool writeRegistryString(std::string_view key, std::string_view name,
                                   std::string_view text) = 0;
  // Removes the value; true when it is gone afterwards (also when it never
  // was there).
  virtual bool removeRegistryValue(std::string_view key, std::string_view name) = 0;
  // Tells the system that a setting changed, so that it takes the new value.
  virtual void broadcastSettingsChanged() = 0;

  // What each key does on the current screen, one "keys<TAB>what" line per
  // row of the key legend, whenever it changes: for a page that shows it
  // beside the picture. Backends without such a place ignore it.
  virtual void showKeyLegend(std::string_view text) { (void)text; }

  // The single-instance rule: true when the program already runs for this
  // user, after asking that instance to bring its window to the front and,
  // unless openRequest is empty, to open what it names (a puzzle id); false
  // when this is the only one (which then answers such requests itself:
  // takeOpenRequest).
  virtual bool raiseRunningInstance(std::string_view openRequest) = 0;
  // What a later start asked this instance to open, oldest first; nullopt
  // when nothing waits. Each arrival is posted as a kMessageOpenRequest.
  virtual std::optional<std::string> takeOpenRequest() { return std::nullopt; }

  // Runs work on a thread of its own and returns at once; nullptr where the
  // backend runs no threads (the page; headless runs, whose frames stay the
  // same from run to run), and the caller then does the work in slices
  // between frames. The work must return soon once its caller asks it to (a
  // flag of their own); destroying the task waits for it.
  virtual std::unique_ptr<BackgroundTask> startBackgroundTask(std::function<void()> work) {
    (void)work;
    return nullptr;
  }

  // Today in UTC, as days since 1970-01-01.
  virtual long utcDay() {
    using namespace std::chrono;
    return static_cast<long>(floor<days>(system_clock::now()).time_since_epoch().count());
  }

  // Puts text on the system's clipboard; false where there is none or it
  // refused.
  virtual bool copyText(std::string_view text) {
    (void)text;
    return false;
  }
  // A short text the player may copy now (a daily puzzle's result), "" when
  // there is none any more: a page shows a button that copies it.
  virtual void offerShareText(std::string_view text) { (void)text; }

  // Tells the player, outside the phone's picture, that a file of theirs
  // could not be saved (message: one sentence naming the file and the
  // cause). The program goes on; a run without a player ends with a failing
  // status.
  virtual void reportSaveFailure(std::string_view message) = 0;
};

}  // namespace bt::platform
