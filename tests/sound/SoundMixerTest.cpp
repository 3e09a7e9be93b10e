#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "FakeWaveOut.h"
#include "WaveBytes.h"
#include "sound/SoundMixer.h"

namespace bt {
namespace {

using Bytes = std::vector<uint8_t>;
using test::FakeWaveOut;
using test::soundOf;
constexpr uint32_t kBuffer = SoundMixer::kBufferBytes;

Bytes filled(size_t n, uint8_t value) {
  return Bytes(n, value);
}

// Sample i is i mod 251, so any restart or skip shows in the output.
Bytes ramp(size_t n) {
  Bytes bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i % 251);
  return bytes;
}

Bytes slice(const Bytes& bytes, size_t from, size_t n) {
  return Bytes(bytes.begin() + from, bytes.begin() + from + n);
}

TEST(SoundMixer, OpensTheFirstDeviceThatOpensAndClosesItAgain) {
  FakeWaveOut device;
  device.devices = 4;
  device.failingDevices = {0, 1};
  {
    SoundMixer mixer(&device);
    EXPECT_TRUE(mixer.isOpen());
    EXPECT_EQ(device.calls, (std::vector<std::string>{"open 0", "open 1", "open 2", "prepare 1592",
                                                      "prepare 1592"}));
    const platform::WaveFormat& f = device.openFormat;
    EXPECT_EQ(f.formatTag, 1);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.samplesPerSecond, 8000u);
    EXPECT_EQ(f.bytesPerSecond, 8000u);
    EXPECT_EQ(f.blockAlign, 1);
    EXPECT_EQ(f.bitsPerSample, 8);
    device.calls.clear();
  }
  EXPECT_EQ(device.calls, (std::vector<std::string>{"reset", "unprepare", "unprepare", "close"}));
}

TEST(SoundMixer, WithoutADeviceIsSilentButStillPlaysChannels) {
  FakeWaveOut noneOpen;
  noneOpen.failingDevices = {0};
  FakeWaveOut cannotPrepare;
  cannotPrepare.failPrepare = true;
  FakeWaveOut noDevices;
  noDevices.devices = 0;
  const WaveSound sound = soundOf(filled(10, 200));
  for (FakeWaveOut* device : {&noneOpen, &cannotPrepare, &noDevices, (FakeWaveOut*)nullptr}) {
    {
      SoundMixer mixer(device);
      EXPECT_FALSE(mixer.isOpen());
      EXPECT_EQ(mixer.play(&sound, true, false, -1), 0);
      EXPECT_EQ(mixer.play(&sound, false, false, 3), 3);
      mixer.service();
      EXPECT_EQ(mixer.queued(), 0);
      mixer.stopAll();
      EXPECT_EQ(mixer.channelSound(0), nullptr);
    }
    if (device != nullptr) {
      EXPECT_TRUE(device->written.empty());
      // Whatever was opened is closed again, and nothing else is touched.
      const bool opened = device == &cannotPrepare;
      EXPECT_EQ(!device->calls.empty() && device->calls.back() == "close", opened);
    }
  }
}

TEST(SoundMixer, MixesAtFullLevelWithClamping) {
  const struct {
    Bytes channelSamples;
    uint8_t out;
  } cases[] = {{{200}, 200}, {{200, 200}, 255}, {{0}, 0},
               {{0, 0}, 0},  {{100, 200}, 172}, {{128, 128, 128, 128, 128, 128}, 128}};
  for (const auto& c : cases) {
    FakeWaveOut device;
    SoundMixer mixer(&device);
    std::vector<WaveSound> sounds;
    for (uint8_t value : c.channelSamples) sounds.push_back(soundOf(filled(kBuffer, value)));
    for (const WaveSound& sound : sounds) mixer.play(&sound, false, false, -1);
    mixer.service();
    ASSERT_FALSE(device.written.empty());
    EXPECT_EQ(device.written[0], filled(kBuffer, c.out)) << int(c.channelSamples[0]);
  }
}

TEST(SoundMixer, OneShotPlaysThenYieldsOneSilentBufferThenNothing) {
  FakeWaveOut device;
  SoundMixer mixer(&device);
  const Bytes samples = ramp(2000);
  const WaveSound sound = soundOf(samples);
  EXPECT_EQ(mixer.play(&sound, false, false, -1), 0);
  mixer.service();
  ASSERT_EQ(device.written.size(), 2u);
  EXPECT_EQ(mixer.queued(), 2);
  EXPECT_EQ(device.written[0], slice(samples, 0, kBuffer));
  Bytes second(kBuffer, 128);  // the last 408 samples, then silence
  std::copy(samples.begin() + kBuffer, samples.end(), second.begin());
  EXPECT_EQ(device.written[1], second);
  EXPECT_EQ(mixer.channelSound(0), &sound);

  device.finishOne();
  EXPECT_EQ(mixer.queued(), 1);
  mixer.service();  // the channel frees during this mix
  ASSERT_EQ(device.written.size(), 3u);
  EXPECT_EQ(device.written[2], filled(kBuffer, 128));
  EXPECT_EQ(mixer.channelSound(0), nullptr);

  device.finishOne();
  device.finishOne();
  mixer.service();
  EXPECT_EQ(device.written.size(), 3u);
  EXPECT_EQ(mixer.queued(), 0);
}

TEST(SoundMixer, ReplayOnTheSameChannelWaitsUntilTheSoundHasFinished) {
  FakeWaveOut device;
  SoundMixer mixer(&device);
  const Bytes samples = ramp(4000);
  const WaveSound sound = soundOf(samples);
  EXPECT_EQ(mixer.play(&sound, false, false, 1), 1);
  mixer.service();
  EXPECT_EQ(mixer.play(&sound, false, false, 1), 1);  // still playing: not restarted
  device.finishOne();
  mixer.service();
  ASSERT_EQ(device.written.size(), 3u);
  EXPECT_EQ(slice(device.written[2], 0, 4000 - 2 * kBuffer), slice(samples, 2 * kBuffer, 816));

  device.finishOne();
  mixer.service();  // finished: the channel frees
  EXPECT_EQ(mixer.channelSound(1), nullptr);
  EXPECT_EQ(mixer.play(&sound, false, false, 1), 1);
  device.finishOne();
  mixer.service();
  ASSERT_EQ(device.written.size(), 5u);
  EXPECT_EQ(device.written[4], slice(samples, 0, kBuffer));
}

TEST(SoundMixer, ChoosesChannelsAndStealsTheHighestNonLooping) {
  const WaveSound busy = soundOf(filled(10, 1));
  const WaveSound next = soundOf(filled(10, 2));
  const struct {
    std::vector<int> looping;  // all six channels busy, these ones looping
    int withSteal;
  } cases[] = {{{}, 5},
               {{5}, 4},
               {{4, 5}, 3},
               {{0, 1, 2, 3}, 5},
               {{1, 2, 3, 4, 5}, 0},
               {{0, 1, 2, 3, 4, 5}, -1}};
  for (const auto& c : cases) {
    for (bool steal : {false, true}) {
      FakeWaveOut device;
      SoundMixer mixer(&device);
      for (int channel = 0; channel < SoundMixer::kChannels; ++channel) {
        const bool loops =
            std::find(c.looping.begin(), c.looping.end(), channel) != c.looping.end();
        ASSERT_EQ(mixer.play(&busy, loops, false, -1), channel);
      }
      const int expected = steal ? c.withSteal : -1;
      EXPECT_EQ(mixer.play(&next, false, steal, -1), expected) << c.looping.size();
      if (expected >= 0) {
        EXPECT_EQ(mixer.channelSound(expected), &next);
      }
    }
  }

  FakeWaveOut device;
  SoundMixer mixer(&device);
  EXPECT_EQ(mixer.play(nullptr, false, false, 3), 0);
  EXPECT_EQ(mixer.channelSound(0), nullptr);
  EXPECT_EQ(mixer.play(&busy, true, false, -1), 0);
  EXPECT_EQ(mixer.play(&next, false, false, 0), 0);  // an explicit channel is taken even if busy
  EXPECT_EQ(mixer.channelSound(0), &next);
  EXPECT_EQ(mixer.play(&busy, false, false, -1), 1);
  EXPECT_EQ(mixer.play(&busy, false, false, 6), -1);
  EXPECT_EQ(mixer.play(&busy, false, false, -2), -1);
}

TEST(SoundMixer, StopAllLetsQueuedBuffersFinishAndQueuesNothingMore) {
  FakeWaveOut device;
  SoundMixer mixer(&device);
  const WaveSound sound = soundOf(filled(100, 90));
  mixer.play(&sound, true, false, -1);
  mixer.service();
  ASSERT_EQ(device.written.size(), 2u);
  mixer.stopAll();
  EXPECT_EQ(mixer.queued(), 2);
  device.finishOne();
  device.finishOne();
  mixer.service();
  EXPECT_EQ(device.written.size(), 2u);
  EXPECT_EQ(mixer.queued(), 0);
  EXPECT_EQ(std::count(device.calls.begin(), device.calls.end(), "reset"), 0);
}

TEST(SoundMixer, LoopingWrapsAcrossBuffersAndSurvivesEmptyOrShrunkSounds) {
  FakeWaveOut device;
  SoundMixer mixer(&device);
  const Bytes three = {100, 150, 200};
  WaveSound sound = soundOf(three);
  mixer.play(&sound, true, false, 2);
  mixer.service();
  ASSERT_EQ(device.written.size(), 2u);
  for (uint32_t i = 0; i < 2 * kBuffer; ++i) {
    ASSERT_EQ(device.written[i / kBuffer][i % kBuffer], three[i % 3]) << i;
  }
  // The owner reloads the borrowed sound shorter: the loop starts again.
  sound = soundOf({7});
  device.finishOne();
  mixer.service();
  EXPECT_EQ(device.written.back(), filled(kBuffer, 7));

  // A looping empty sound cannot loop: it yields one silent buffer and frees.
  const WaveSound empty = soundOf({});
  mixer.stopAll();
  device.finishOne();
  device.finishOne();
  EXPECT_EQ(mixer.play(&empty, true, false, -1), 0);
  mixer.service();
  EXPECT_EQ(device.written.size(), 4u);
  EXPECT_EQ(device.written.back(), filled(kBuffer, 128));
  EXPECT_EQ(mixer.channelSound(0), nullptr);
  // Emptied while looping: freed at the next mix as well.
  sound = soundOf({});
  EXPECT_EQ(mixer.play(&sound, true, false, 1), 1);
  device.finishOne();
  mixer.service();
  EXPECT_EQ(mixer.channelSound(1), nullptr);
}

TEST(SoundMixer, FailedWriteIsNotCountedAsQueued) {
  FakeWaveOut device;
  device.failWrite = true;
  SoundMixer mixer(&device);
  const WaveSound sound = soundOf(filled(100, 90));
  mixer.play(&sound, true, false, -1);
  mixer.service();
  EXPECT_EQ(mixer.queued(), 0);
  device.failWrite = false;
  mixer.service();
  EXPECT_EQ(mixer.queued(), 2);
  // Stray completions and other messages never push the count below zero.
  device.sendMessage(955);
  EXPECT_EQ(mixer.queued(), 2);
  for (int i = 0; i < 3; ++i) device.finishOne();
  EXPECT_EQ(mixer.queued(), 0);
}

// The driver's thread reports buffers done while the frame loop services.
TEST(SoundMixer, NeverQueuesMoreThanTwoWithCompletionsFromAnotherThread) {
  FakeWaveOut device;
  SoundMixer mixer(&device);
  const WaveSound sound = soundOf(ramp(1000));
  mixer.play(&sound, true, false, -1);
  constexpr size_t kTotal = 400;
  // Counted before the report, so writes - finished can only overstate what
  // is really outstanding.
  std::atomic<size_t> finished{0};
  std::atomic<bool> stop{false};
  std::thread driver([&] {
    while (!stop.load()) {
      if (device.writeCount() > finished.load()) {
        finished.fetch_add(1);
        device.finishOne();
      } else {
        std::this_thread::yield();
      }
    }
  });
  int lowest = 0;
  int highest = 0;
  size_t mostOutstanding = 0;
  // The deadline only ends the loop if completions stop freeing buffers; on a
  // busy machine the driver's thread may wait long for its turn, while this
  // loop spins millions of times.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (device.writeCount() < kTotal && std::chrono::steady_clock::now() < deadline) {
    mixer.service();
    lowest = std::min(lowest, mixer.queued());
    highest = std::max(highest, mixer.queued());
    mostOutstanding = std::max(mostOutstanding, device.writeCount() - finished.load());
  }
  const bool allWritten = device.writeCount() >= kTotal;
  stop.store(true);
  driver.join();
  ASSERT_TRUE(allWritten);
  for (size_t i = finished.load(); i < device.writeCount(); ++i) device.finishOne();
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 2);
  EXPECT_LE(mostOutstanding, 2u);
  EXPECT_EQ(mixer.queued(), 0);
  // The stream is the loop, unbroken.
  for (size_t b = 0; b < kTotal; ++b) {
    ASSERT_EQ(device.written[b][0], (b * kBuffer) % 1000 % 251) << b;
  }
}

}  // namespace
}  // namespace bt
