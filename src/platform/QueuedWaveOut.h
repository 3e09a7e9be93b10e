#pragma once
// Wave output whose buffers play one after another and are reported done in
// the order written, once the backend finds that they have played (the
// headless backend by its virtual clock, a browser page by its audio clock).
// It keeps the queue and the device's bookkeeping; a backend says when a
// buffer ends and how it is heard.
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/WaveOut.h"

namespace bt::platform {

class QueuedWaveOut : public WaveOut {
 public:
  bool open(uint32_t device, const WaveFormat& format, WaveCallback callback,
            void* instance) override;
  bool prepare(WaveHeader& header) override;
  // Stops the sound and reports every queued buffer done.
  void reset() override;
  void unprepare(WaveHeader& header) override;
  void close() override;

  bool isOpen() const { return open_; }
  size_t buffersPlaying() const { return queue_.size(); }

 protected:
  struct Queued {
    WaveHeader* header;
    uint32_t finish;  // in milliseconds, on the clock the backend chose
    bool onAudioClock = false;
  };

  // False when header cannot be written now; else clears its done flag.
  bool acceptWrite(WaveHeader& header);
  void enqueue(const Queued& buffer) { queue_.push_back(buffer); }
  // Reports the buffers from the front of the queue for which played holds.
  void reportPlayed(const std::function<bool(const Queued&)>& played);
  // When a buffer of length bytes that starts at start has played.
  uint32_t finishOf(uint32_t start, uint32_t length) const;
  const std::deque<Queued>& queue() const { return queue_; }
  const WaveFormat& format() const { return format_; }

  virtual bool acceptsFormat(const WaveFormat& format) const;
  virtual void stopSound() {}

 private:
  void finish(const Queued& buffer);

  bool open_ = false;
  WaveFormat format_;
  WaveCallback callback_ = nullptr;
  void* instance_ = nullptr;
  std::deque<Queued> queue_;
};

}  // namespace bt::platform
