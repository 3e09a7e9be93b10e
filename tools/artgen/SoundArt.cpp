#include "SoundArt.h"

#include <algorithm>

namespace bt::art {

namespace {

constexpr int kRate = 8000;

// Sine of a 10-bit phase (1024 steps a turn) in Q15, from Bhaskara's
// rational approximation; integer only.
int sine(uint32_t phase) {
  phase &= 1023;
  int64_t u = phase & 511, v = 512 - u;
  int64_t s = 32767 * 16 * u * v / (5 * 512 * 512 - 4 * u * v);
  return static_cast<int>(phase < 512 ? s : -s);
}

}  // namespace

// A soft wooden tick followed by a short rising two-note glide, fading out
// within 0.18 s: the ring sliding round by one step.
std::vector<uint8_t> rotationSamples() {
  const int n = kRate * 18 / 100;
  std::vector<uint8_t> out(n);
  uint32_t phase = 0, phase2 = 0;  // 32-bit phase accumulators, 2^32 a turn
  uint32_t noise = 0x12345678u;
  int64_t envelope = 1 << 16;   // Q16
  const int64_t decay = 65250;  // per sample, about 0.035 s time constant
  int lowpass = 0;
  for (int i = 0; i < n; ++i) {
    // Pitch glides from 392 Hz (G) to 587 Hz (D) over the first 70 ms.
    int64_t hz = i < 560 ? 392 + (587 - 392) * i / 560 : 587;
    phase += static_cast<uint32_t>((hz << 32) / kRate);
    phase2 += static_cast<uint32_t>(((hz * 2) << 32) / kRate);
    int attack = std::min(i, 48);
    int64_t tone = (int64_t{sine(phase >> 22)} * 3 + sine(phase2 >> 22)) / 4;  // Q15
    int64_t level = tone * envelope / 65536 * attack / 48;
    envelope = envelope * decay / 65536;
    // The tick: 5 ms of softened noise at the start.
    noise = noise * 1664525u + 1013904223u;
    int raw = static_cast<int>(noise >> 17) - 16384;
    lowpass += (raw - lowpass) / 3;
    int tick = i < 40 ? lowpass * (40 - i) / 40 : 0;
    int64_t sample = 128 + (level * 78 + int64_t{tick} * 40) / 32768;
    out[i] = static_cast<uint8_t>(std::clamp<int64_t>(sample, 0, 255));
  }
  return out;
}

}  // namespace bt::art
