#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/PngFile.h"
#include "support/PngPicture.h"
#include "support/TempFolder.h"

namespace bt::platform {
namespace {

struct DoneCounter {
  static void onMessage(void* instance, uint32_t message) {
    if (message == kWaveDoneMessage) ++static_cast<DoneCounter*>(instance)->done;
  }
  int done = 0;
};

TEST(HeadlessWaveOut, BuffersPlayBackToBackAndAreReportedDoneOnVirtualTime) {
  HeadlessPlatform platform(0xFFFFFF00u);  // finishing times wrap past zero
  WaveOut& wave = *platform.waveOut();
  DoneCounter counter;
  ASSERT_TRUE(wave.open(0, WaveFormat{}, &DoneCounter::onMessage, &counter));
  std::vector<uint8_t> a(1592, 1), b(1592, 2);
  WaveHeader ha{a.data(), 1592, 0}, hb{b.data(), 1592, 0};
  EXPECT_FALSE(wave.write(ha));  // not prepared
  ASSERT_TRUE(wave.prepare(ha) && wave.prepare(hb));
  ASSERT_TRUE(wave.write(ha) && wave.write(hb));
  platform.advanceBy(198);
  EXPECT_EQ(counter.done, 0);
  platform.advanceBy(1);  // 1592 samples at 8000 per second: 199 ms
  EXPECT_EQ(counter.done, 1);
  platform.advanceBy(198);
  EXPECT_EQ(counter.done, 1);
  platform.advanceBy(1);
  EXPECT_EQ(counter.done, 2);
  ASSERT_TRUE(wave.write(ha));
  wave.reset();  // returns what is still queued
  EXPECT_EQ(counter.done, 3);
  auto& written = platform.headlessWaveOut().written();
  ASSERT_EQ(written.size(), 3u * 1592u);
  EXPECT_EQ(written[0], 1);
  EXPECT_EQ(written[1592], 2);
  EXPECT_EQ(written[2 * 1592], 1);
}

TEST(HeadlessPlatform, WaitingReturnsForAMessageOrMovesTheClockToTheDeadline) {
  HeadlessPlatform platform(0xFFFFFFF8u);
  platform.waitMessage(0x8);  // past the wrap
  EXPECT_EQ(platform.tickCount(), 0x8u);
  platform.post(Message{kMessageClose, 0, 0});
  platform.waitMessage(0x100);
  EXPECT_EQ(platform.tickCount(), 0x8u);  // a message was waiting
  platform.setIdleHandler([&](uint32_t) { platform.post(Message{kMessageKeyDown, 13, 0}); });
  platform.takeMessage();
  platform.waitMessage(0x100);
  EXPECT_EQ(platform.tickCount(), 0x8u);  // the handler posted one
  EXPECT_EQ(platform.takeMessage()->wParam, 13u);
}

std::vector<uint8_t> readRgb(const std::string& path, uint32_t& width, uint32_t& height) {
  const auto picture = test::readPng(path);
  if (!picture || picture->channels != 3) return {};
  width = static_cast<uint32_t>(picture->width);
  height = static_cast<uint32_t>(picture->height);
  return picture->pixels;
}

TEST(PngFile, ChannelsAreWidenedToEightBits) {
  test::TempFolder folder;
  const uint16_t pixels[] = {0xF800, 0x07E0, 0x001F, 0x8410, 0xFFFF, 0x0000};
  ASSERT_TRUE(writePng565(folder.file("shot.png"), pixels, 3, 2));
  uint32_t width = 0, height = 0;
  const auto rgb = readRgb(folder.file("shot.png"), width, height);
  ASSERT_EQ(rgb.size(), 18u);
  EXPECT_EQ(width, 3u);
  EXPECT_EQ(height, 2u);
  const std::vector<uint8_t> expected = {255, 0,   0,   0,   255, 0,   0, 0, 255,
                                         132, 130, 132, 255, 255, 255, 0, 0, 0};
  EXPECT_EQ(rgb, expected);
  EXPECT_FALSE(writePng565(folder.file("missing/shot.png"), pixels, 3, 2));
  EXPECT_FALSE(writePng565(folder.file("empty.png"), pixels, 0, 2));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"shot.png"});
}

}  // namespace
}  // namespace bt::platform
