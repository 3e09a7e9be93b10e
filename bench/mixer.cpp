// Cost of mixing one 1592-byte buffer with all six channels busy, through
// service() with a device that takes every buffer and reports it done.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "sound/SoundMixer.h"
#include "sound/WaveSound.h"
#include "support/AcceptingWaveOut.h"

namespace {

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
  bt::test::AcceptingWaveOut device;
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
