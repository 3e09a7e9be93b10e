// Throughput of the stored-file codec on art-like and on incompressible data.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "../tests/storage/SampleData.h"
#include "storage/Lzss.h"

namespace {

constexpr size_t kInputSize = size_t{64} * 1024;

std::vector<uint8_t> input(bool spriteBank) {
  return spriteBank ? bt::test::spriteBankLike(kInputSize) : bt::test::randomBytes(kInputSize);
}

// range(0): 1 for a sprite-bank-like buffer, 0 for random bytes.
void compress(benchmark::State& state) {
  std::vector<uint8_t> source = input(state.range(0) != 0);
  std::vector<uint8_t> out(bt::LzssCodec::maxCompressedSize(source.size()));
  auto codec = std::make_unique<bt::LzssCodec>();
  size_t streamSize = 0;
  for (auto _ : state) {
    streamSize = codec->compress(source.data(), source.size(), out.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
  state.counters["ratio"] = static_cast<double>(streamSize) / static_cast<double>(source.size());
}

void decompress(benchmark::State& state) {
  std::vector<uint8_t> source = input(state.range(0) != 0);
  std::vector<uint8_t> stream(bt::LzssCodec::maxCompressedSize(source.size()));
  auto codec = std::make_unique<bt::LzssCodec>();
  stream.resize(codec->compress(source.data(), source.size(), stream.data()));
  std::vector<uint8_t> out(source.size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        codec->decompress(stream.data(), stream.size(), out.data(), out.size()));
    benchmark::ClobberMemory();
  }
  if (out != source) state.SkipWithError("round trip failed");
  // Throughput in restored bytes.
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

BENCHMARK(compress)->ArgName("spriteBank")->Arg(1)->Arg(0);
BENCHMARK(decompress)->ArgName("spriteBank")->Arg(1)->Arg(0);

}  // namespace
