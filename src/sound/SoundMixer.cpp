#include "sound/SoundMixer.h"

#include <algorithm>

namespace bt {
namespace {

constexpr uint8_t kSilence = 128;

// Adds n samples to out around the silence level, clamped to 0..255.
void mixSamples(uint8_t* out, const uint8_t* samples, uint32_t n) {
  for (uint32_t i = 0; i < n; ++i) {
    const int sum = int(samples[i]) + int(out[i]) - kSilence;
    out[i] = static_cast<uint8_t>(std::clamp(sum, 0, 255));
  }
}

}  // namespace

SoundMixer::SoundMixer(platform::WaveOut* device) : device_(device) {
  for (int i = 0; i < 2; ++i) {
    headers_[i].data = buffers_[i].data();
    headers_[i].bufferLength = kBufferBytes;
  }
  if (device_ == nullptr) return;
  const platform::WaveFormat format;  // PCM, mono, 8000 Hz, 8 bits
  const uint32_t count = device_->deviceCount();
  for (uint32_t index = 0; index < count && !open_; ++index) {
    open_ = device_->open(index, format, &SoundMixer::onWaveMessage, this);
  }
  if (!open_) return;
  // A device that cannot take our buffers is as good as none.
  if (!device_->prepare(headers_[0])) {
    device_->close();
    open_ = false;
  } else if (!device_->prepare(headers_[1])) {
    device_->unprepare(headers_[0]);
    device_->close();
    open_ = false;
  }
}

SoundMixer::~SoundMixer() {
  if (!open_) return;
  device_->reset();
  for (platform::WaveHeader& header : headers_) device_->unprepare(header);
  device_->close();
  open_ = false;
}

bool SoundMixer::isOpen() const {
  return open_;
}

const WaveSound* SoundMixer::channelSound(int channel) const {
  if (channel < 0 || channel >= kChannels) return nullptr;
  return channels_[channel].sound;
}

int SoundMixer::play(const WaveSound* sound, bool looping, bool steal, int channel) {
  if (sound == nullptr) return 0;
  if (channel == -1) {
    for (int i = 0; i < kChannels && channel == -1; ++i) {
      if (channels_[i].sound == nullptr) channel = i;
    }
    for (int i = kChannels - 1; i >= 0 && channel == -1 && steal; --i) {
      if (!channels_[i].looping) channel = i;
    }
    if (channel == -1) return -1;
  }
  if (channel < 0 || channel >= kChannels) return -1;
  Channel& target = channels_[channel];
  if (target.sound == sound) return channel;  // already playing there: not restarted
  target.sound = sound;
  target.position = 0;
  // An empty sound cannot loop; it plays once, which frees the channel on the
  // next mix.
  target.looping = looping && sound->length() > 0;
  return channel;
}

void SoundMixer::stopAll() {
  channels_.fill(Channel{});
}

bool SoundMixer::mixBuffer(uint8_t* out) {
  const bool anyBusy = std::any_of(channels_.begin(), channels_.end(),
                                   [](const Channel& c) { return c.sound != nullptr; });
  if (!anyBusy) return false;
  std::fill_n(out, kBufferBytes, kSilence);
  for (Channel& channel : channels_) {
    if (channel.sound == nullptr) continue;
    const uint8_t* samples = channel.sound->samples();
    const uint32_t length = channel.sound->length();
    // The sound is borrowed and could have been reloaded shorter since the
    // last mix; a position past its end is treated as its end.
    if (channel.position >= length && (!channel.looping || length == 0)) {
      channel = Channel{};
      continue;
    }
    if (!channel.looping) {
      const uint32_t n = std::min(kBufferBytes, length - channel.position);
      mixSamples(out, samples + channel.position, n);
      channel.position += n;
      continue;
    }
    for (uint32_t done = 0; done < kBufferBytes;) {
      if (channel.position >= length) channel.position = 0;
      const uint32_t n = std::min(kBufferBytes - done, length - channel.position);
      mixSamples(out + done, samples + channel.position, n);
      channel.position += n;
      done += n;
    }
    if (channel.position >= length) channel.position = 0;
  }
  return true;
}

void SoundMixer::service() {
  if (!open_) return;
  while (queued_.load() < 2) {
    platform::WaveHeader& header = headers_[nextBuffer_];
    if (!mixBuffer(buffers_[nextBuffer_].data())) return;
    header.bufferLength = kBufferBytes;
    // Counted before the write so that a completion arriving at once never
    // sees the count below the buffers really queued.
    queued_.fetch_add(1);
    if (!device_->write(header)) {
      queued_.fetch_sub(1);  // no completion will come for it
      return;
    }
    nextBuffer_ ^= 1;
  }
}

void SoundMixer::onWaveMessage(void* instance, uint32_t message) {
  if (message != platform::kWaveDoneMessage || instance == nullptr) return;
  std::atomic<int>& queued = static_cast<SoundMixer*>(instance)->queued_;
  // A stray completion must not let more than two buffers be queued later.
  int current = queued.load();
  while (current > 0 && !queued.compare_exchange_weak(current, current - 1)) {
  }
}

}  // namespace bt
