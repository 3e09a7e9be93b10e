#pragma once
// The accepting wave device with a record of every call and devices, prepares
// and writes that can be made to fail: for the mixer's own tests.
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "support/AcceptingWaveOut.h"

namespace bt::test {

class FakeWaveOut : public AcceptingWaveOut {
 public:
  FakeWaveOut() { keepWritten = true; }

  uint32_t devices = 1;
  std::set<uint32_t> failingDevices;  // open fails for these
  bool failPrepare = false;
  bool failWrite = false;

  uint32_t deviceCount() override { return devices; }

  bool open(uint32_t device, const platform::WaveFormat& format, platform::WaveCallback callback,
            void* instance) override {
    record("open " + std::to_string(device));
    if (failingDevices.count(device) != 0) return false;
    openFormat = format;
    return AcceptingWaveOut::open(device, format, callback, instance);
  }
  bool prepare(platform::WaveHeader& header) override {
    record("prepare " + std::to_string(header.bufferLength));
    return !failPrepare;
  }
  bool write(platform::WaveHeader& header) override {
    record("write");
    return !failWrite && AcceptingWaveOut::write(header);
  }
  // Only recorded: the tests report buffers done themselves.
  void reset() override { record("reset"); }
  void unprepare(platform::WaveHeader&) override { record("unprepare"); }
  void close() override { record("close"); }

  std::vector<std::string> calls;
  platform::WaveFormat openFormat{};

 private:
  void record(const std::string& call) {
    std::lock_guard lock(mutex_);
    calls.push_back(call);
  }

  std::mutex mutex_;
};

}  // namespace bt::test
