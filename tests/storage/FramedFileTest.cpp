// The frame of the program's own files: the parts a format has are written
// and checked, a stored file that is cut short or changed is refused, and
// the longest file it can take is known.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "storage/Checksum.h"
#include "storage/FramedFile.h"
#include "storage/LittleEndian.h"
#include "storage/StoredFile.h"

namespace bt {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes contentsOf(const Bytes& file) {
  ByteReader reader;
  EXPECT_TRUE(decodeStored(file.data(), file.size(), reader));
  return Bytes(reader.data(), reader.data() + reader.length());
}

TEST(FramedFile, WritesTheFormatsPartsAroundTheBodyAndReadsThemBack) {
  const Bytes body = {10, 20, 30};
  struct Case {
    const char* what;
    Framing framing;
    Bytes contents;  // before the stored-file layout
  };
  const Case cases[] = {
      {"a version and a sum", {"", true, true}, {2, 10, 20, 30, 0, 0, 0, 0}},
      {"a magic, a version and a sum",
       {"BTWB", true, true},
       {'B', 'T', 'W', 'B', 2, 10, 20, 30, 0, 0, 0, 0}},
      {"a magic alone", {"BTPF", false, false}, {'B', 'T', 'P', 'F', 10, 20, 30}},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.what);
    if (c.framing.summed) {
      const size_t summed = c.contents.size() - 4;
      storeLe32(c.contents.data() + summed, fnv1a32(c.contents.data(), summed));
    }
    const Bytes file = encodeFramed(c.framing, 2, body);
    EXPECT_EQ(contentsOf(file), c.contents);
    const std::optional<Unframed> back = decodeFramed(c.framing, file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->body, body);
    EXPECT_EQ(back->version, c.framing.versioned ? 2 : 0);
  }
}

TEST(FramedFile, RefusesAnotherMagicASumThatDoesNotMatchAndNoStoredFile) {
  const Framing framing{"BTWB", true, true};
  const Bytes good = encodeFramed(framing, 1, Bytes(40, 7));
  ASSERT_TRUE(decodeFramed(framing, good));
  Bytes changed = good;
  changed[10] ^= 1;
  Bytes otherMagic = good;
  otherMagic[4] = 'X';
  const Bytes cases[] = {{},
                         {1, 2},
                         changed,
                         otherMagic,
                         Bytes(good.begin(), good.end() - 3),
                         encodeFramed({"BTPF", true, true}, 1, Bytes(40, 7))};
  for (const Bytes& file : cases) EXPECT_FALSE(decodeFramed(framing, file));
}

TEST(FramedFile, TheLongestFileHoldsTheWorstBody) {
  std::mt19937 random(3);
  for (size_t n : {size_t(0), size_t(50), size_t(200), size_t(5000)}) {
    SCOPED_TRACE(n);
    Bytes body(n);
    for (uint8_t& b : body) b = static_cast<uint8_t>(random());
    const Framing framing{"BTWB", true, true};
    EXPECT_LE(encodeFramed(framing, 1, body).size(), maxFramedFileBytes(framing, n));
  }
}

}  // namespace
}  // namespace bt
