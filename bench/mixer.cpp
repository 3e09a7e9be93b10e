// Cost of mixing one 1592-byte buffer with all six channels busy, through
// service() with a device that takes every buffer and reports it done.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/WaveOut.h"
#include "sound/SoundMixer.h"
#include "sound/WaveSound.h"

namespace {

class AcceptingWaveOut : public bt::platform::WaveOut {
 public:
  uint32_t deviceCount() override { return 1; }
  bool open(uint32_t, const bt::platform::WaveFormat&, bt::platform::WaveCallback callback,
            void* instance) override {
    callback_ = callback;
    instance_ = instance;
    return true;
  }
  bool prepare(bt::platform::WaveHeader&) override { return true; }
  bool write(bt::platform::WaveHeader& header) override {
    benchmark::DoNotOptimize(header.data[0]);
    return true;
  }
  void reset() override {}
  void unprepare(bt::platform::WaveHeader&) override {}
  void close() override {}

  void finishOne() { callback_(instance_, bt::platform::kWaveDoneMessage); }

 private:
  bt::platform::WaveCallback callback_ = nullptr;
  void* instance_ = nullptr;
};

// A loud sawtooth, so that the sums clamp now and then.
bt::WaveSound makeSound(uint32_t samples) {
  std::vector<uint8_t> file = {'R', 'I', 'F', 'F', 0,   0,   0,   0,
                               'W', 'A', 'V', 'E', 'd', 'a', 't', 'a'};
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(samples >> (8 * i)));
  for (uint32_t i = 0; i < samples; ++i) file.push_back(static_cast<uint8_t>(i * 7));
  bt::WaveSound sound;
  sound.loadFromMemory(file.data(), file.size());
  return sound;
}

void playOnAllChannels(bt::SoundMixer& mixer, const std::vector<bt::WaveSound>& sounds,
                       bool looping) {
  for (int channel = 0; channel < bt::SoundMixer::kChannels; ++channel) {
    mixer.play(&sounds[channel], looping, false, channel);
  }
}

// Each iteration frees one queued buffer and mixes exactly one new one.
void mixOneBuffer(benchmark::State& state, bool looping) {
  AcceptingWaveOut device;
  bt::SoundMixer mixer(&device);
  // Different lengths keep the channels out of step; the one-shot sounds
  // last about 50 buffers and are started again, outside the timing, when
  // they end.
  std::vector<bt::WaveSound> sounds;
  for (int channel = 0; channel < bt::SoundMixer::kChannels; ++channel) {
    sounds.push_back(makeSound((looping ? 997 : 80000) + 131 * channel));
  }
  playOnAllChannels(mixer, sounds, looping);
  mixer.service();
  for (auto _ : state) {
    device.finishOne();
    mixer.service();
    if (!looping && mixer.channelSound(0) == nullptr) {
      state.PauseTiming();
      playOnAllChannels(mixer, sounds, looping);
      state.ResumeTiming();
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * bt::SoundMixer::kBufferBytes);
}

void BM_MixSixLoopingChannels(benchmark::State& state) {
  mixOneBuffer(state, true);
}
void BM_MixSixOneShotChannels(benchmark::State& state) {
  mixOneBuffer(state, false);
}

BENCHMARK(BM_MixSixLoopingChannels);
BENCHMARK(BM_MixSixOneShotChannels);

}  // namespace
