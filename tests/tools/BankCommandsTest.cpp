// bank, png and list: sprite banks built from PNG files and a manifest, and
// taken apart again.
#include <filesystem>
#include <random>
#include <tuple>

#include "PackScratch.h"
#include "gfx/Colour.h"
#include "gfx/SpriteBank.h"
#include "gfx/SpriteBankWriter.h"
#include "pack/PngCodec.h"
#include "pack/RgbImage.h"
#include "storage/StoredFile.h"

namespace bt::pack {
namespace {

RgbImage randomPicture(int width, int height, uint32_t seed) {
  std::mt19937 random(seed);
  RgbImage image(width, height);
  for (uint8_t& b : image.rgb) b = static_cast<uint8_t>(random());
  return image;
}

// What a channel of v becomes after RGB565 and back: the same top bits.
void expectSameTopBits(const RgbImage& in, const RgbImage& out) {
  ASSERT_EQ(out.width, in.width);
  ASSERT_EQ(out.height, in.height);
  const uint8_t keep[3] = {0xF8, 0xFC, 0xF8};
  for (size_t i = 0; i < in.rgb.size(); ++i) {
    ASSERT_EQ(out.rgb[i] & keep[i % 3], in.rgb[i] & keep[i % 3]) << "byte " << i;
  }
}

using BankCommandsTest = PackScratch;

TEST_F(BankCommandsTest, PicturesSurviveBankAndPngUpToTheColourLoss) {
  std::vector<RgbImage> pictures = {randomPicture(1, 1, 1), randomPicture(7, 5, 2),
                                    randomPicture(255, 3, 3)};
  for (size_t i = 0; i < pictures.size(); ++i) {
    std::string name = "p";
    name += std::to_string(i);
    name += ".png";
    write(name, encodePng(pictures[i]));
  }
  writeText("sprites.txt",
            "# three pictures and a blank\n"
            "p0.png\n"
            "p1.png -3 4 10 20 1   # anchored and transparent\n"
            "blank 2 3 0 0 1 1 0\n"
            "\"p2.png\" 127 -128 255 0 0\r\n");
  ASSERT_EQ(run({"bank", path("sprites.txt"), path("b.spr")}), kExitDone) << err_;

  SpriteBank bank;
  ASSERT_TRUE(bank.load(path("b.spr")));
  ASSERT_EQ(bank.count(), 4u);
  const Sprite& s1 = *bank.sprite(1);
  EXPECT_EQ(s1.offsetX, -3);
  EXPECT_EQ(s1.offsetY, 4);
  EXPECT_EQ(s1.anchorX, 10);
  EXPECT_EQ(s1.anchorY, 20);
  EXPECT_EQ(s1.transparent, 1);
  EXPECT_EQ(s1.pixels[0], rgb565(pictures[1].rgb[0], pictures[1].rgb[1], pictures[1].rgb[2]));
  EXPECT_EQ(bank.sprite(2)->pixels, std::vector<uint16_t>(6, 0));
  EXPECT_EQ(bank.sprite(3)->offsetY, -128);

  ASSERT_EQ(run({"png", path("b.spr"), path("art")}), kExitDone) << err_;
  const char* names[] = {"art/000.png", "art/001.png", "art/003.png"};
  for (size_t i = 0; i < pictures.size(); ++i) {
    SCOPED_TRACE(names[i]);
    expectSameTopBits(pictures[i], decodePng(read(names[i]), names[i], 255));
  }
  RgbImage sheet = decodePng(read("art/sheet.png"), "sheet", 4096);
  EXPECT_GE(sheet.width, 255);

  // The manifest written beside the pictures rebuilds the bank as the game
  // sees it (the file's low colour bits differ).
  ASSERT_EQ(run({"bank", path("art/manifest.txt"), path("again.spr")}), kExitDone) << err_;
  SpriteBank again;
  ASSERT_TRUE(again.load(path("again.spr")));
  ASSERT_EQ(again.count(), bank.count());
  for (uint32_t i = 0; i < bank.count(); ++i) {
    const Sprite& a = *bank.sprite(i);
    const Sprite& b = *again.sprite(i);
    EXPECT_EQ(std::tie(a.width, a.height, a.offsetX, a.offsetY, a.anchorX, a.anchorY, a.transparent,
                       a.pixels),
              std::tie(b.width, b.height, b.offsetX, b.offsetY, b.anchorX, b.anchorY, b.transparent,
                       b.pixels))
        << "sprite " << i;
  }
}

TEST_F(BankCommandsTest, RgbaPixelsBelowHalfAlphaBecomeBlack) {
  writeText("m.txt", std::string(BT_TEST_DATA_DIR) + "/pack/rgba.png\n");
  ASSERT_EQ(run({"bank", path("m.txt"), path("b.spr")}), kExitDone) << err_;
  SpriteBank bank;
  ASSERT_TRUE(bank.load(path("b.spr")));
  // alpha 0, 127, 128, 255 over (200, 100, 50), (200, 100, 50), (200, 100, 50), (10, 20, 30)
  std::vector<uint16_t> expected = {0, 0, rgb565(200, 100, 50), rgb565(10, 20, 30)};
  EXPECT_EQ(bank.sprite(0)->pixels, expected);
}

TEST_F(BankCommandsTest, ListShowsEachSpriteAndTheMaskCount) {
  writeText("m.txt", "blank 2 3 -1 2 1 4 1\nblank 0 0\nblank 40 1 5 -6 20 0 0\n");
  ASSERT_EQ(run({"bank", path("m.txt"), path("b.spr")}), kExitDone) << err_;
  // One mask of width 33: two words a row.
  std::vector<uint8_t> masks = {1, 0, 0, 0, 33, 1, 1, 2, 3, 4, 5, 6, 7, 8};
  write("b.msk", encodeStored(masks.data(), masks.size()));

  ASSERT_EQ(run({"list", path("b.spr")}), kExitDone) << err_;
  EXPECT_EQ(out_, path("b.spr") + ": 3 sprites, header value 0, 1 mask in " + path("b.msk") +
                      "\n"
                      "index width height offsetX offsetY anchorX anchorY transparent\n"
                      "    0     2      3      -1       2       1       4           1\n"
                      "    1     0      0       0       0       0       0           0\n"
                      "    2    40      1       5      -6      20       0           0\n");
}

// A bank whose contact sheet would be taller than a sheet may be still gives
// every picture and the manifest, and says why there is no sheet.
TEST_F(BankCommandsTest, ABankTooTallForASheetIsExportedWithoutOne) {
  // Empty records (no picture files to write) that still take 255 rows each:
  // a sheet of over a million rows, more than libpng writes.
  SpriteImage tall;
  tall.height = 255;
  tall.offsetX = 3;
  tall.anchorY = 4;
  ASSERT_TRUE(saveSpriteBank(std::vector<SpriteImage>(80000, tall), path("tall.spr")));
  ASSERT_EQ(run({"png", path("tall.spr"), path("art")}), kExitDone) << err_;
  EXPECT_NE(out_.find("no sheet.png: it would be"), std::string::npos) << out_;
  const std::vector<uint8_t> manifest = read("art/manifest.txt");
  EXPECT_EQ(std::count(manifest.begin(), manifest.end(), '\n'), 80001);
  EXPECT_FALSE(std::filesystem::exists(path("art/sheet.png")));
}

}  // namespace
}  // namespace bt::pack
