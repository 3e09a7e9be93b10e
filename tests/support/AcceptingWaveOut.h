#pragma once
// A wave device that takes every buffer, for the mixer's tests, benchmark
// and fuzz target: it opens, prepares and writes without fail, and reports a
// buffer done only when told to (finishOne, finishAll), from whichever thread
// tells it, as the driver's thread would. With keepWritten set it keeps a
// copy of every buffer written.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/WaveOut.h"

namespace bt::test {

class AcceptingWaveOut : public platform::WaveOut {
 public:
  uint32_t deviceCount() override { return 1; }
  bool open(uint32_t, const platform::WaveFormat&, platform::WaveCallback callback,
            void* instance) override {
    callback_ = callback;
    instance_ = instance;
    return true;
  }
  bool prepare(platform::WaveHeader&) override { return true; }
  bool write(platform::WaveHeader& header) override {
    if (keepWritten) {
      std::lock_guard lock(writtenMutex_);
      written.emplace_back(header.data, header.data + header.bufferLength);
    }
    ++writeCount_;
    ++queued_;
    return true;
  }
  // Stopping returns every queued buffer, each reported done.
  void reset() override { finishAll(); }
  void unprepare(platform::WaveHeader&) override {}
  void close() override {}

  // Reports one buffer done (even when none is queued, as a confused driver
  // might).
  void finishOne() {
    int queued = queued_.load();
    while (queued > 0 && !queued_.compare_exchange_weak(queued, queued - 1)) {
    }
    sendMessage(platform::kWaveDoneMessage);
  }
  // Reports every queued buffer done.
  void finishAll() {
    while (queued_.load() > 0) finishOne();
  }
  // Any message, as the driver's callback delivers it.
  void sendMessage(uint32_t message) { callback_(instance_, message); }
  // Buffers written so far; any thread.
  size_t writeCount() const { return writeCount_.load(); }

  bool keepWritten = false;
  std::vector<std::vector<uint8_t>> written;  // with keepWritten, every buffer in order

 private:
  std::mutex writtenMutex_;
  std::atomic<size_t> writeCount_{0};
  std::atomic<int> queued_{0};
  platform::WaveCallback callback_ = nullptr;
  void* instance_ = nullptr;
};

}  // namespace bt::test
