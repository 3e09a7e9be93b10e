// Loads arbitrary bytes as a wave file, then plays the sound through a mixer
// whose device accepts every buffer, checking that a one-shot sound comes out
// unchanged and ends with exactly one silent buffer.
#include "sound/WaveSound.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sound/SoundMixer.h"
#include "support/AcceptingWaveOut.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  bt::WaveSound sound;
  if (!sound.loadFromMemory(data, size)) {
    check(sound.length() == 0);
    return 0;
  }
  check(sound.length() <= size);

  constexpr uint32_t kBuffer = bt::SoundMixer::kBufferBytes;
  bt::test::AcceptingWaveOut device;
  device.keepWritten = true;
  {
    bt::SoundMixer mixer(&device);
    check(mixer.play(&sound, false, false, -1) == 0);
    // Bounded by the file size: every buffer but the last carries samples.
    for (size_t round = 0; round < size / kBuffer + 4; ++round) {
      mixer.service();
      check(mixer.queued() <= 2);
      device.finishAll();
    }
    check(mixer.channelSound(0) == nullptr);
    const size_t expectedBuffers = (sound.length() + kBuffer - 1) / kBuffer + 1;
    check(device.written.size() == expectedBuffers);
    for (uint32_t i = 0; i < sound.length(); ++i) {
      check(device.written[i / kBuffer][i % kBuffer] == sound.samples()[i]);
    }

    // The same sound looping on every channel, stolen and stopped.
    for (int channel = 0; channel < bt::SoundMixer::kChannels; ++channel) {
      mixer.play(&sound, channel % 2 == 0, true, -1);
    }
    mixer.play(&sound, false, true, -1);
    for (int round = 0; round < 3; ++round) {
      mixer.service();
      device.finishAll();
    }
    mixer.stopAll();
    mixer.service();
  }

  // No device at all: everything still works, silently.
  bt::SoundMixer silent(nullptr);
  silent.play(&sound, true, false, 2);
  silent.service();
  return 0;
}
