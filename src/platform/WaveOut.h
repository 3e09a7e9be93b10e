#pragma once
// Wave output as the phone's wave driver offers it: open a device with a PCM
// format, prepare buffers, write them, and get one completion callback per
// finished buffer, called from another thread.
#include <cstdint>

namespace bt::platform {

inline constexpr uint32_t kWaveDoneMessage = 957;  // a buffer finished playing

// WaveHeader::flags as the device sets them.
inline constexpr uint32_t kWaveHeaderDone = 1;      // the buffer has played
inline constexpr uint32_t kWaveHeaderPrepared = 2;  // prepared and not yet unprepared

struct WaveFormat {
  uint16_t formatTag = 1;  // PCM
  uint16_t channels = 1;
  uint32_t samplesPerSecond = 8000;
  uint32_t bytesPerSecond = 8000;
  uint16_t blockAlign = 1;
  uint16_t bitsPerSample = 8;
};

struct WaveHeader {
  uint8_t* data = nullptr;
  uint32_t bufferLength = 0;
  uint32_t flags = 0;  // owned by the device between prepare and unprepare
};

// Called with the instance value given to open and the message number.
using WaveCallback = void (*)(void* instance, uint32_t message);

class WaveOut {
 public:
  virtual ~WaveOut() = default;
  virtual uint32_t deviceCount() = 0;
  // Opens device index with format; callback reports each finished buffer.
  virtual bool open(uint32_t device, const WaveFormat& format, WaveCallback callback,
                    void* instance) = 0;
  virtual bool prepare(WaveHeader& header) = 0;
  // Queues the header's bytes; the callback fires once when they have played.
  virtual bool write(WaveHeader& header) = 0;
  // Stops playback and returns every queued buffer (each reported done).
  virtual void reset() = 0;
  virtual void unprepare(WaveHeader& header) = 0;
  virtual void close() = 0;
};

}  // namespace bt::platform
