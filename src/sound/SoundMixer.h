#pragma once
// Six-channel software mixer feeding the wave output with two alternating
// 1592-byte buffers (199 ms each) of unsigned 8-bit mono at 8000 Hz. Without
// a device (or with none that opens) it stays silent and everything else
// works unchanged.
#include <array>
#include <atomic>
#include <cstdint>

#include "platform/WaveOut.h"
#include "sound/WaveSound.h"

namespace bt {

class SoundMixer {
 public:
  static constexpr int kChannels = 6;
  static constexpr uint32_t kBufferBytes = 1592;

  explicit SoundMixer(platform::WaveOut* device);  // device may be null
  ~SoundMixer();
  SoundMixer(const SoundMixer&) = delete;
  SoundMixer& operator=(const SoundMixer&) = delete;

  // Channel used, -1 when none was free; a null sound does nothing and
  // returns 0. channel -1 takes any free one (steal: the highest non-looping).
  int play(const WaveSound* sound, bool looping, bool steal, int channel);
  void stopAll();
  // Mixes and queues buffers until two are queued or nothing is playing.
  void service();

  bool isOpen() const;
  int queued() const { return queued_.load(); }
  const WaveSound* channelSound(int channel) const;

 private:
  struct Channel {
    const WaveSound* sound = nullptr;
    uint32_t position = 0;
    bool looping = false;
  };
  bool mixBuffer(uint8_t* out);
  static void onWaveMessage(void* instance, uint32_t message);

  platform::WaveOut* device_ = nullptr;
  bool open_ = false;
  std::array<std::array<uint8_t, kBufferBytes>, 2> buffers_{};
  std::array<platform::WaveHeader, 2> headers_{};
  std::atomic<int> queued_{0};
  int nextBuffer_ = 0;
  std::array<Channel, kChannels> channels_{};
};

}  // namespace bt
