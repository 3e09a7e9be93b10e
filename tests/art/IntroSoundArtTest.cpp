// The intro script, the rotation sound and the icons.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ArtSupport.h"
#include "gfx/Animation.h"
#include "gfx/SpriteBank.h"
#include "sound/WaveSound.h"
#include "storage/LittleEndian.h"

namespace bt::test {
namespace {

std::vector<uint8_t> readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
  return loadLe32(&b[at]);
}

TEST(IntroArtTest, EndsAfterTwoToThreeSecondsWithEveryFrameInsideTheSmallDisplay) {
  SpriteBank bank;
  ASSERT_TRUE(bank.load(artFile("Game_Sprite/intro.spr")));
  Animation animation;
  ASSERT_TRUE(animation.load(artFile("Game_Animation/intro.ani")));
  AnimationSequence* s = animation.sequence(0);
  ASSERT_NE(s, nullptr);
  int advances = 0, frames = 0;
  bool coveredStage = false;
  for (; advances < 1000; ++advances) {
    const AnimationCommand* c = AnimationPlayer::currentCommand(*s);
    if (c && c->type == 0) {
      const Sprite* picture = bank.sprite(static_cast<uint32_t>(c->argument));
      ASSERT_NE(picture, nullptr) << "sprite " << c->argument;
      // Drawn opaque and unclipped at (x + W / 2, y + W / 2).
      for (const DisplaySize& d : kDisplays)
        EXPECT_TRUE(placed(*picture, c->x + d.w / 2, c->y + d.w / 2).inside(d.w, d.h))
            << "sprite " << c->argument << " on " << d.suffix;
      const Box b = placed(*picture, c->x + 88, c->y + 88);
      coveredStage |= b.left == 0 && b.top == 0 && b.right == 176 && b.bottom == 220;
      ++frames;
    }
    if (AnimationPlayer::advance(*s) == 0) break;
  }
  // One frame every 16 ms.
  EXPECT_GE(advances * 16, 2000);
  EXPECT_LE(advances * 16, 3000);
  EXPECT_GT(frames, 100);
  EXPECT_TRUE(coveredStage) << "the first picture lays the whole stage";
}

TEST(SoundArtTest, CloseWaveIsShortUnsigned8BitMono8000Hz) {
  WaveSound sound;
  ASSERT_TRUE(sound.load(artFile("Game_Sound/close.wav")));
  EXPECT_GE(sound.length(), 800u);
  EXPECT_LE(sound.length(), 2400u);
  int loudest = 0;
  for (uint32_t i = 0; i < sound.length(); ++i)
    loudest = std::max(loudest, std::abs(sound.samples()[i] - 128));
  EXPECT_GT(loudest, 40);
  EXPECT_LT(std::abs(sound.samples()[sound.length() - 1] - 128), 4)
      << "ends near silence, no click";
  const std::vector<uint8_t> file = readAll(artFile("Game_Sound/close.wav"));
  ASSERT_GE(file.size(), 44u);
  EXPECT_EQ(file[20] | file[21] << 8, 1);  // PCM
  EXPECT_EQ(file[22] | file[23] << 8, 1);  // mono
  EXPECT_EQ(le32(file, 24), 8000u);        // samples per second
  EXPECT_EQ(file[34] | file[35] << 8, 8);  // bits per sample
}

TEST(IconArtTest, ThreeSizesOfPng) {
  for (int size : {16, 32, 48}) {
    const std::vector<uint8_t> png = readAll(artFile("icon" + std::to_string(size) + ".png"));
    ASSERT_GE(png.size(), 24u) << size;
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ(png[2], 'N');
    EXPECT_EQ(png[3], 'G');
    // IHDR width and height, big-endian.
    EXPECT_EQ((png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19]), size);
    EXPECT_EQ((png[20] << 24 | png[21] << 16 | png[22] << 8 | png[23]), size);
  }
}

}  // namespace
}  // namespace bt::test
