// Bad input: one line on stderr naming the file and the fault, exit status 1,
// and no output file (nor a temporary one) left behind. Usage errors: 2.
#include "PackScratch.h"
#include "pack/PngCodec.h"
#include "storage/StoredFile.h"

namespace bt::pack {
namespace {

struct ErrorCase {
  std::vector<std::string> args;  // names in the scratch folder, "@" for the test data folder
  std::string fault;              // part of the message, file name included
};

class PackErrorsTest : public PackScratch {
 protected:
  void SetUp() override {
    PackScratch::SetUp();
    write("short.st", {1, 0, 0});
    write("huge.st", {0xFF, 0xFF, 0xFF, 0xFF, 0});
    std::vector<uint8_t> big(5000, 7);
    std::vector<uint8_t> stored = encodeStored(big.data(), big.size());
    stored.resize(stored.size() / 2);
    write("cut.st", stored);
    // A bank that declares two 4x4 sprites but holds one and a half.
    std::vector<uint8_t> bank = {0, 0, 2, 0, 0, 0};
    for (int i = 0; i < 2; ++i) {
      std::vector<uint8_t> record(14 + 48, 9);
      record[0] = record[1] = 4;
      bank.insert(bank.end(), record.begin(), record.end());
    }
    bank.resize(bank.size() - 20);
    write("cut.spr", encodeStored(bank.data(), bank.size()));
    std::vector<uint8_t> noSprites = {0, 0, 0, 0, 0, 0};
    write("good.spr", encodeStored(noSprites.data(), noSprites.size()));
    std::vector<uint8_t> masks = {3, 0, 0, 0, 1, 1, 0, 0, 0, 0};
    write("good.msk", encodeStored(masks.data(), masks.size()));
    write("wide.png", encodePng(RgbImage(256, 1)));
    std::vector<uint8_t> negative = {0, 0, 0xFB, 0xFF, 0xFF, 0xFF};
    write("negative.spr", encodeStored(negative.data(), negative.size()));
    writeText("bad.txt", "blank 1 1\nwide.png 1 2\n");
  }

  std::vector<std::string> expand(const std::vector<std::string>& args) {
    std::vector<std::string> full = {args[0]};
    for (size_t i = 1; i < args.size(); ++i) {
      const std::string& a = args[i];
      full.push_back(a[0] == '@' ? std::string(BT_TEST_DATA_DIR) + "/pack/" + a.substr(1)
                                 : path(a));
    }
    return full;
  }
};

TEST_F(PackErrorsTest, BadInputNamesTheFileAndWritesNothing) {
  // Manifests, one bad line each.
  std::vector<std::pair<std::string, std::string>> manifests = {
      {"m16.txt", std::string(BT_TEST_DATA_DIR) + "/pack/rgb16.png"},
      {"mpal.txt", std::string(BT_TEST_DATA_DIR) + "/pack/palette.png"},
      {"mgrey.txt", std::string(BT_TEST_DATA_DIR) + "/pack/grey.png"},
      {"mwide.txt", "wide.png"},
      {"mtext.txt", "bad.txt"},
      {"mgone.txt", "gone.png"},
      {"mblank.txt", "blank 300 1"},
      {"mquote.txt", "\"wide.png 0 0 0 0 0"},
      {"mnul.txt", std::string("wide.png\0.txt", 13)},
  };
  for (const auto& [name, text] : manifests) writeText(name, text + "\n");
  std::vector<std::string> inputs = entries();

  std::vector<ErrorCase> cases = {
      {{"pack", "gone.bin", "out"}, "gone.bin: cannot be read"},
      {{"unpack", "short.st", "out"}, "short.st: damaged stored file (length field"},
      {{"unpack", "huge.st", "out"}, "huge.st: damaged stored file (length field"},
      {{"unpack", "cut.st", "out"}, "cut.st: damaged stored file (contents end after"},
      {{"list", "cut.spr"}, "cut.spr: damaged (declares 2 sprites, contents end inside sprite 1)"},
      {{"list", "good.spr"}, "good.msk: damaged (declares 3 masks, contents end inside mask 1)"},
      {{"png", "cut.spr", "out"}, "cut.spr: damaged"},
      {{"bank", "m16.txt", "out"}, "rgb16.png: is a 16-bit RGB PNG"},
      {{"bank", "mpal.txt", "out"}, "palette.png: is a 8-bit palette PNG"},
      {{"bank", "mgrey.txt", "out"}, "grey.png: is a 8-bit greyscale PNG"},
      {{"bank", "mwide.txt", "out"}, "wide.png: is 256x1 pixels"},
      {{"bank", "mtext.txt", "out"}, "bad.txt: is not a PNG file"},
      {{"bank", "mgone.txt", "out"}, "gone.png: cannot be read"},
      {{"bank", "mblank.txt", "out"}, "mblank.txt:1: WIDTH must be a whole number from 0 to 255"},
      {{"bank", "mquote.txt", "out"}, "mquote.txt:1: unclosed quote"},
      {{"bank", "mnul.txt", "out"}, "mnul.txt:1: the line holds a NUL byte"},
      {{"list", "negative.spr"}, "negative.spr: damaged (declares -5 sprites)"},
      {{"bank", "bad.txt", "out"}, "bad.txt:2: expected FILE [offsetX"},
      {{"pack", "bad.txt", "no-such-folder/out"}, "no-such-folder/out: cannot be written"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    EXPECT_EQ(run(expand(c.args)), kExitBadInput);
    EXPECT_NE(err_.find(c.fault), std::string::npos) << err_;
    EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << err_;
    EXPECT_EQ(entries(), inputs);
  }
}

TEST_F(PackErrorsTest, UsageErrorsPrintTheUsage) {
  std::vector<std::vector<std::string>> lines = {
      {}, {"squash", "a", "b"}, {"pack", "a"}, {"list", "a", "b"}, {"bank"}};
  for (const auto& args : lines) {
    EXPECT_EQ(run(args), kExitUsage);
    EXPECT_NE(err_.find("usage: brambletop-pack"), std::string::npos) << err_;
  }
}

}  // namespace
}  // namespace bt::pack
