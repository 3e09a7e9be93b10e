// Full-screen sprite drawing against a plain memcpy of the same bytes.
//
// A sprite is at most 255 rows tall, so a 240 x 320 picture is drawn as two
// 240 x 160 sprites, one above the other: the same 153600 bytes that the
// memcpy baseline copies in one go. Every benchmark reports bytes/s; the
// blits also report x_memcpy, their time per frame divided by that of a
// memcpy of the frame's bytes run alongside (1.0 = as fast as memcpy).
#include "gfx/Blit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "gfx/FrameBuffer.h"
#include "gfx/Sprite.h"

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 320;
constexpr int kHalf = kHeight / 2;
constexpr size_t kFrameBytes = size_t{kWidth} * kHeight * sizeof(uint16_t);

using Clock = std::chrono::steady_clock;

// Half the screen; about one pixel in eight is black, so the keyed blit
// has both outcomes to choose between.
bt::Sprite halfScreenSprite(int seed) {
  bt::Sprite sprite;
  sprite.width = kWidth;
  sprite.height = kHalf;
  sprite.pixels.resize(size_t{kWidth} * kHalf);
  for (size_t i = 0; i < sprite.pixels.size(); ++i) {
    const auto value = static_cast<uint16_t>(i * 2654435761u >> 7) + seed;
    sprite.pixels[i] = (i * 7 + seed) % 8 == 0 ? 0 : static_cast<uint16_t>(value | 1);
  }
  return sprite;
}

using BlitRoutine = void (*)(const bt::Sprite*, bt::FrameBuffer&, int32_t, int32_t, bool);

// Each iteration copies the frame's bytes with memcpy, then blits the two
// halves; only the blits count as the benchmark's time, and x_memcpy sets
// them against the memcpy runs measured side by side under the same load.
void fullScreen(benchmark::State& state, BlitRoutine blit, int frameWidth) {
  const bt::Sprite top = halfScreenSprite(1);
  const bt::Sprite bottom = halfScreenSprite(2);
  bt::FrameBuffer fb(frameWidth, kHeight);
  std::vector<uint16_t> source(kFrameBytes / 2, 0x1234), target(kFrameBytes / 2);
  std::chrono::duration<double> memcpyTime{0}, blitTime{0};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    std::memcpy(target.data(), source.data(), kFrameBytes);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    const auto t1 = Clock::now();
    blit(&top, fb, 0, 0, false);
    blit(&bottom, fb, 0, kHalf, false);
    benchmark::DoNotOptimize(fb.pixels());
    benchmark::ClobberMemory();
    const auto t2 = Clock::now();
    memcpyTime += t1 - t0;
    blitTime += t2 - t1;
    state.SetIterationTime(std::chrono::duration<double>(t2 - t1).count());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFrameBytes));
  state.counters["x_memcpy"] = blitTime / memcpyTime;
}

void BM_MemcpyFullScreen(benchmark::State& state) {
  std::vector<uint16_t> source(kFrameBytes / 2, 0x1234), target(kFrameBytes / 2);
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), kFrameBytes);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFrameBytes));
}

void BM_BlitOpaqueClippedFullScreen(benchmark::State& state) {
  fullScreen(state, bt::blitOpaqueClipped, kWidth);
}

void BM_BlitKeyedClippedFullScreen(benchmark::State& state) {
  fullScreen(state, bt::blitKeyedClipped, kWidth);
}

// The same sprites into a wider buffer, so that the rows are not contiguous
// in the buffer and every row is its own copy.
void BM_BlitOpaqueClippedRowByRow(benchmark::State& state) {
  fullScreen(state, bt::blitOpaqueClipped, kWidth + 16);
}

BENCHMARK(BM_MemcpyFullScreen);
BENCHMARK(BM_BlitOpaqueClippedFullScreen)->UseManualTime();
BENCHMARK(BM_BlitKeyedClippedFullScreen)->UseManualTime();
BENCHMARK(BM_BlitOpaqueClippedRowByRow)->UseManualTime();

}  // namespace
