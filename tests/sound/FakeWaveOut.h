#pragma once
// A wave device for tests: records every call and the bytes of every written
// buffer, and lets the test report buffers done (from any thread).
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/WaveOut.h"

namespace bt::test {

class FakeWaveOut : public platform::WaveOut {
 public:
  uint32_t devices = 1;
  std::set<uint32_t> failingDevices;  // open fails for these
  bool failPrepare = false;
  bool failWrite = false;

  uint32_t deviceCount() override { return devices; }

  bool open(uint32_t device, const platform::WaveFormat& format, platform::WaveCallback callback,
            void* instance) override {
    std::lock_guard lock(mutex_);
    calls.push_back("open " + std::to_string(device));
    if (failingDevices.count(device) != 0) return false;
    openFormat = format;
    callback_ = callback;
    instance_ = instance;
    return true;
  }
  bool prepare(platform::WaveHeader& header) override {
    std::lock_guard lock(mutex_);
    calls.push_back("prepare " + std::to_string(header.bufferLength));
    return !failPrepare;
  }
  bool write(platform::WaveHeader& header) override {
    std::lock_guard lock(mutex_);
    calls.push_back("write");
    if (failWrite) return false;
    writes.emplace_back(header.data, header.data + header.bufferLength);
    return true;
  }
  void reset() override { record("reset"); }
  void unprepare(platform::WaveHeader&) override { record("unprepare"); }
  void close() override { record("close"); }

  // Reports one buffer done, as the driver's thread would.
  void finishOne() { callback_(instance_, platform::kWaveDoneMessage); }
  void sendMessage(uint32_t message) { callback_(instance_, message); }

  size_t writeCount() {
    std::lock_guard lock(mutex_);
    return writes.size();
  }

  std::vector<std::string> calls;
  std::vector<std::vector<uint8_t>> writes;
  platform::WaveFormat openFormat{};

 private:
  void record(const char* call) {
    std::lock_guard lock(mutex_);
    calls.push_back(call);
  }

  std::mutex mutex_;
  platform::WaveCallback callback_ = nullptr;
  void* instance_ = nullptr;
};

}  // namespace bt::test
