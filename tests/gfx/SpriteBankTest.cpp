#include <gtest/gtest.h>

#include <vector>

#include "gfx/Colour.h"
#include "gfx/GfxTestSupport.h"
#include "gfx/SpriteBank.h"
#include "gfx/SpriteBankWriter.h"
#include "storage/StoredFile.h"

namespace bt {
namespace {

std::vector<uint8_t> bytesOf(const ByteWriter& writer) {
  return {writer.data(), writer.data() + writer.length()};
}

ByteReader readerOf(std::vector<uint8_t> bytes) {
  ByteReader reader;
  reader.assign(std::move(bytes));
  return reader;
}

// Mask contents: count, then width, height and height * words-per-row
// 32-bit words, each word holding its own index.
ByteWriter maskContents(const std::vector<std::pair<uint8_t, uint8_t>>& sizes) {
  ByteWriter out;
  out.appendInt32(static_cast<int32_t>(sizes.size()));
  for (auto [width, height] : sizes) {
    out.appendByte(width);
    out.appendByte(height);
    const int words = ((width - 1) / 32 + 1) * height;
    for (int i = 0; i < words; ++i) out.appendInt32(i);
  }
  return out;
}

class SpriteBankTest : public testing::Test {
 protected:
  test::TempFolder dir;
  SpriteBank bank;
};

TEST_F(SpriteBankTest, LoadsFieldsAndConvertsColours) {
  SpriteImage image;
  image.width = 4;
  image.height = 1;
  image.offsetX = -3;
  image.offsetY = 7;
  image.anchorX = 200;
  image.anchorY = 9;
  image.transparent = 1;
  image.rgb = {255, 255, 255, 7, 3, 7, 8, 4, 8, 0xF8, 0, 0};
  const std::string path = dir.file("one.spr");
  ASSERT_TRUE(saveSpriteBank({image}, path, 0xBEEF));

  ASSERT_TRUE(bank.load(path));
  EXPECT_EQ(bank.headerValue(), 0xBEEF);
  ASSERT_EQ(bank.count(), 1u);
  const Sprite& s = *bank.sprite(0);
  EXPECT_EQ(s.width, 4);
  EXPECT_EQ(s.height, 1);
  EXPECT_EQ(s.offsetX, -3);
  EXPECT_EQ(s.offsetY, 7);
  EXPECT_EQ(s.anchorX, 200);
  EXPECT_EQ(s.anchorY, 9);
  EXPECT_EQ(s.transparent, 1);
  EXPECT_EQ(s.pixels, (std::vector<uint16_t>{0xFFFF, 0x0000, 0x0821, 0xF800}));
  EXPECT_EQ(bank.sprite(1), nullptr);
  EXPECT_TRUE(bank.masks().empty());  // no .msk beside it: silently none
}

TEST_F(SpriteBankTest, EmptyBankAndEmptySprites) {
  const std::string empty = dir.file("empty.spr");
  ASSERT_TRUE(saveSpriteBank({}, empty));
  ASSERT_TRUE(bank.load(empty));
  EXPECT_EQ(bank.count(), 0u);
  EXPECT_EQ(bank.sprite(0), nullptr);

  // Records of width or height 0 carry no pixels; the next one follows
  // right after their 14 header bytes.
  const std::string mixed = dir.file("mixed.spr");
  ASSERT_TRUE(saveSpriteBank({test::solidImage(0, 5, 1, 1, 1), test::solidImage(3, 0, 1, 1, 1),
                              test::solidImage(2, 2, 255, 0, 0)},
                             mixed));
  ASSERT_TRUE(bank.load(mixed));
  ASSERT_EQ(bank.count(), 3u);
  EXPECT_TRUE(bank.sprite(0)->pixels.empty());
  EXPECT_TRUE(bank.sprite(1)->pixels.empty());
  EXPECT_EQ(bank.sprite(2)->pixels, std::vector<uint16_t>(4, 0xF800));
}

TEST_F(SpriteBankTest, ReloadReplacesAndFailedLoadEmpties) {
  const std::string three = dir.file("three.spr");
  const std::string one = dir.file("one.spr");
  const SpriteImage red = test::solidImage(1, 1, 255, 0, 0);
  const SpriteImage blue = test::solidImage(2, 1, 0, 0, 255);
  ASSERT_TRUE(saveSpriteBank({red, red, red}, three));
  ASSERT_TRUE(saveSpriteBank({blue}, one));

  ASSERT_TRUE(bank.load(three));
  ASSERT_TRUE(bank.load(one));
  ASSERT_EQ(bank.count(), 1u);
  EXPECT_EQ(bank.sprite(0)->pixels, (std::vector<uint16_t>{0x001F, 0x001F}));

  EXPECT_FALSE(bank.load(dir.file("missing.spr")));
  EXPECT_EQ(bank.count(), 0u);
}

// Contents cut short keep exactly the sprites that were read whole.
TEST_F(SpriteBankTest, TruncatedContentsKeepWholeSprites) {
  const std::vector<uint8_t> full =
      bytesOf(writeSpriteBank({test::solidImage(2, 2, 9, 9, 9), test::solidImage(3, 1, 9, 9, 9),
                               test::solidImage(1, 1, 9, 9, 9)}));
  const size_t first = 6 + 14 + 12, second = first + 14 + 9;
  ASSERT_EQ(full.size(), second + 14 + 3);
  struct Cut {
    size_t length;
    size_t sprites;
  };
  for (const Cut& cut : std::vector<Cut>{{0, 0},
                                         {4, 0},
                                         {6, 0},
                                         {6 + 13, 0},
                                         {first - 1, 0},
                                         {first, 1},
                                         {first + 14, 1},
                                         {second - 1, 1},
                                         {second, 2},
                                         {full.size() - 1, 2},
                                         {full.size(), 3}}) {
    SCOPED_TRACE(cut.length);
    ByteReader reader = readerOf({full.begin(), full.begin() + cut.length});
    bank.loadSprites(reader);
    EXPECT_EQ(bank.count(), cut.sprites);
  }
}

// A damaged count far beyond what the contents hold neither allocates for it
// nor loses the sprites that are there.
TEST_F(SpriteBankTest, AbsurdCountsAreBoundedByContents) {
  std::vector<uint8_t> bytes = bytesOf(writeSpriteBank({test::solidImage(1, 1, 9, 9, 9)}));
  bytes[2] = bytes[3] = bytes[4] = 0xFF;
  bytes[5] = 0x7F;
  ByteReader reader = readerOf(bytes);
  bank.loadSprites(reader);
  EXPECT_EQ(bank.count(), 1u);

  std::vector<uint8_t> masks = bytesOf(maskContents({{8, 1}}));
  masks[0] = masks[1] = masks[2] = 0xFF;
  masks[3] = 0x7F;
  ByteReader maskReader = readerOf(masks);
  bank.loadMasks(maskReader);
  EXPECT_EQ(bank.masks().size(), 1u);
}

TEST_F(SpriteBankTest, MaskCompanionRowsOfWholeWords) {
  const std::string path = dir.file("board.spr");
  ASSERT_TRUE(saveSpriteBank({test::solidImage(1, 1, 9, 9, 9)}, path));
  ASSERT_TRUE(saveStored(maskContents({{33, 2}, {32, 2}, {0, 2}, {64, 1}}), dir.file("board.msk")));

  ASSERT_TRUE(bank.load(path));
  ASSERT_EQ(bank.masks().size(), 4u);
  EXPECT_EQ(bank.masks()[0].bits, (std::vector<uint32_t>{0, 1, 2, 3}));  // 33 wide: 2 words
  EXPECT_EQ(bank.masks()[1].bits.size(), 2u);                            // 32 wide: 1 word
  EXPECT_EQ(bank.masks()[2].bits.size(), 2u);                            // 0 wide: still 1
  EXPECT_EQ(bank.masks()[3].bits.size(), 2u);
  EXPECT_EQ(bank.masks()[0].width, 33);
  EXPECT_EQ(bank.masks()[0].height, 2);

  // A truncated mask file keeps the masks read whole.
  const std::vector<uint8_t> full = bytesOf(maskContents({{8, 1}, {8, 2}}));
  ByteReader reader = readerOf({full.begin(), full.end() - 1});
  bank.loadMasks(reader);
  EXPECT_EQ(bank.masks().size(), 1u);
}

// A path without '.' has no companion: its masks are not looked for, and
// those of the previous load stay.
TEST_F(SpriteBankTest, PathWithoutDotKeepsMasks) {
  ASSERT_EQ(dir.path().find('.'), std::string::npos);
  ASSERT_TRUE(saveSpriteBank({test::solidImage(1, 1, 9, 9, 9)}, dir.file("a.spr")));
  ASSERT_TRUE(saveStored(maskContents({{8, 1}}), dir.file("a.msk")));
  ASSERT_TRUE(saveSpriteBank({test::solidImage(2, 2, 9, 9, 9), test::solidImage(1, 1, 0, 0, 0)},
                             dir.file("plain")));

  ASSERT_TRUE(bank.load(dir.file("a.spr")));
  ASSERT_EQ(bank.masks().size(), 1u);
  ASSERT_TRUE(bank.load(dir.file("plain")));
  EXPECT_EQ(bank.count(), 2u);
  EXPECT_EQ(bank.masks().size(), 1u);

  // A bank with a '.' but no companion empties them.
  ASSERT_TRUE(saveSpriteBank({}, dir.file("b.spr")));
  ASSERT_TRUE(bank.load(dir.file("b.spr")));
  EXPECT_TRUE(bank.masks().empty());
}

// Contents long enough to be stored compressed come back unchanged.
TEST_F(SpriteBankTest, LargeBankRoundTripsThroughCompression) {
  SpriteImage picture;
  picture.width = 64;
  picture.height = 48;
  for (int i = 0; i < 64 * 48; ++i) {
    picture.rgb.insert(picture.rgb.end(), {uint8_t(i * 8), uint8_t(i / 8 * 4), uint8_t(i % 7 * 8)});
  }
  ASSERT_TRUE(saveSpriteBank({picture, picture}, dir.file("big.spr")));
  ASSERT_TRUE(bank.load(dir.file("big.spr")));
  ASSERT_EQ(bank.count(), 2u);
  for (int i = 0; i < 64 * 48; ++i) {
    ASSERT_EQ(bank.sprite(1)->pixels[i],
              rgb565(picture.rgb[3 * i], picture.rgb[3 * i + 1], picture.rgb[3 * i + 2]));
  }
}

}  // namespace
}  // namespace bt
