// pack and unpack: any file to a stored file and back, byte for byte, and the
// game's own loader reads what pack writes.
#include <random>

#include "PackScratch.h"
#include "storage/StoredFile.h"

namespace bt::pack {
namespace {

struct RoundTripCase {
  const char* name;
  std::vector<uint8_t> contents;
};

std::vector<uint8_t> randomBytes(size_t n) {
  std::mt19937 random(1234);
  std::vector<uint8_t> bytes(n);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

using StoredCommandsTest = PackScratch;

TEST_F(StoredCommandsTest, PackAndUnpackGiveBackEveryByte) {
  std::vector<RoundTripCase> cases = {
      {"empty", {}},
      {"one byte", {0x5A}},
      {"100 bytes, stored raw", randomBytes(100)},
      {"101 bytes, compressed", randomBytes(101)},
      {"5000 random bytes", randomBytes(5000)},
      {"a run of 5000", std::vector<uint8_t>(5000, 0xEE)},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.name);
    write("in.bin", c.contents);
    ASSERT_EQ(run({"pack", path("in.bin"), path("stored.bin")}), kExitDone) << err_;
    std::vector<uint8_t> stored = read("stored.bin");
    if (c.contents.size() <= 100) {
      EXPECT_EQ(stored.size(), 4 + c.contents.size());
    }
    ByteReader loaded;
    ASSERT_TRUE(loadStored(loaded, path("stored.bin")));
    EXPECT_EQ(std::vector<uint8_t>(loaded.data(), loaded.data() + loaded.length()), c.contents);

    ASSERT_EQ(run({"unpack", path("stored.bin"), path("out.bin")}), kExitDone) << err_;
    EXPECT_EQ(read("out.bin"), c.contents);
  }
  EXPECT_LT(read("stored.bin").size(), 1000u);  // the run compresses
}

}  // namespace
}  // namespace bt::pack
