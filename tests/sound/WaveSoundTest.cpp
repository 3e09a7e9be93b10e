#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "FakeWaveOut.h"
#include "WaveBytes.h"
#include "sound/SoundMixer.h"
#include "sound/WaveSound.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

using test::Chunk;
using test::formatChunk;
using test::waveFile;
using Bytes = std::vector<uint8_t>;

std::vector<uint8_t> samplesOf(const WaveSound& sound) {
  return {sound.samples(), sound.samples() + sound.length()};
}

struct LoadCase {
  const char* name;
  Bytes file;
  bool loads;
  Bytes samples;
};

Bytes withTail(Bytes file, const Bytes& tail) {
  file.insert(file.end(), tail.begin(), tail.end());
  return file;
}

Bytes withByte(Bytes file, size_t at, uint8_t value) {
  file[at] = value;
  return file;
}

TEST(WaveSound, LoadsTheDataChunkOfEveryLayout) {
  const Bytes tone = {128, 200, 0, 255, 7};
  const Bytes plain = waveFile({formatChunk(), {"data", tone}});
  const LoadCase cases[] = {
      {"fmt then data", plain, true, tone},
      {"data before fmt", waveFile({{"data", tone}, formatChunk()}), true, tone},
      {"later data replaces earlier", waveFile({{"data", {1, 2}}, formatChunk(), {"data", tone}}),
       true, tone},
      {"odd chunk not padded", waveFile({{"LIST", {9, 9, 9}}, {"data", tone}}), true, tone},
      {"data past the end takes the bytes present",
       waveFile({formatChunk(), {"data", tone, 100000}}), true, tone},
      {"data size near 4 GiB", waveFile({{"data", tone, 0xFFFFFFFF}}), true, tone},
      {"no data chunk", waveFile({formatChunk()}), true, {}},
      {"header only", waveFile({}), true, {}},
      {"partial chunk header at the end is ignored", withTail(plain, {'d', 'a', 't', 'a', 1}), true,
       tone},
      {"tag case matters", waveFile({{"DATA", tone}}), true, {}},
      {"RIFF length ignored", withByte(plain, 4, 3), true, tone},
      {"no RIFF tag", withByte(plain, 0, 'X'), false, {}},
      {"tags in file order only", withByte(withByte(plain, 0, 'F'), 3, 'R'), false, {}},
      {"no WAVE tag", withByte(plain, 11, 'X'), false, {}},
      {"shorter than the tags", Bytes(plain.begin(), plain.begin() + 11), false, {}},
      {"empty", {}, false, {}},
  };
  for (const LoadCase& c : cases) {
    WaveSound sound = test::soundOf({1, 2, 3});  // earlier content is always dropped
    EXPECT_EQ(sound.loadFromMemory(c.file.data(), c.file.size()), c.loads) << c.name;
    EXPECT_EQ(samplesOf(sound), c.samples) << c.name;
  }
}

TEST(WaveSound, MissingFileFailsAndDropsTheOldSound) {
  WaveSound sound = test::soundOf({1, 2, 3});
  EXPECT_FALSE(sound.load(std::string(BT_BINARY_DIR) + "/no/such/sound.wav"));
  EXPECT_EQ(sound.length(), 0u);
}

// A file made by an independent tool loads and mixes as its raw samples.
TEST(WaveSound, LoadsAndMixesAWaveFileMadeBySox) {
  if (std::system("sox --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "sox is not installed";
  test::TempFolder folder;
  const std::string path = folder.file("out.wav");
  const std::string command = "sox -n -r 8000 -c 1 -b 8 -e unsigned-integer '" + path +
                              "' synth 0.1 sine 440 >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);

  WaveSound sound;
  ASSERT_TRUE(sound.load(path));
  ASSERT_EQ(sound.length(), 800u);  // 0.1 s at 8000 samples per second
  const Bytes samples = samplesOf(sound);
  // A loud tone centred on the silence level.
  EXPECT_GT(*std::max_element(samples.begin(), samples.end()), 192);
  EXPECT_LT(*std::min_element(samples.begin(), samples.end()), 64);
  const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / samples.size();
  EXPECT_NEAR(mean, 128.0, 2.0);

  test::FakeWaveOut device;
  SoundMixer mixer(&device);
  mixer.play(&sound, false, false, 1);
  mixer.service();
  ASSERT_GE(device.written.size(), 1u);
  Bytes expected = samples;
  expected.resize(SoundMixer::kBufferBytes, 128);
  EXPECT_EQ(device.written[0], expected);
}

}  // namespace
}  // namespace bt
