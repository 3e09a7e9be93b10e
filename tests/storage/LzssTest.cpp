#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "SampleData.h"
#include "storage/Lzss.h"

namespace bt {
namespace {

// Assembles a bit stream by hand, most significant bit first.
class StreamBuilder {
 public:
  StreamBuilder& bits(uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
      if (bitCount_ % 8 == 0) bytes_.push_back(0);
      if ((value >> i) & 1) bytes_.back() |= static_cast<uint8_t>(0x80 >> (bitCount_ % 8));
      ++bitCount_;
    }
    return *this;
  }
  StreamBuilder& literal(char c) { return bits(1, 1).bits(static_cast<uint8_t>(c), 8); }
  StreamBuilder& match(int position, int length) {
    return bits(0, 1).bits(static_cast<uint32_t>(position), 12).bits(length - 2, 4);
  }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  size_t bitCount_ = 0;
};

// Reads `count` bits at bit offset `at`, most significant first.
uint32_t bitsAt(const std::vector<uint8_t>& stream, size_t at, int count) {
  uint32_t value = 0;
  for (int i = 0; i < count; ++i, ++at) value = value << 1 | ((stream[at / 8] >> (7 - at % 8)) & 1);
  return value;
}

std::vector<uint8_t> compressWith(LzssCodec& codec, const std::vector<uint8_t>& source) {
  std::vector<uint8_t> out(LzssCodec::maxCompressedSize(source.size()) + 64, 0xEE);
  size_t length = codec.compress(source.data(), source.size(), out.data());
  EXPECT_LE(length, LzssCodec::maxCompressedSize(source.size()));
  EXPECT_EQ(out[length], 0xEE) << "wrote past the reported length";
  out.resize(length);
  return out;
}

class LzssTest : public ::testing::Test {
 protected:
  std::vector<uint8_t> compress(const std::vector<uint8_t>& source) {
    return compressWith(*codec, source);
  }

  // Decodes into n bytes followed by guard bytes that must stay untouched.
  std::string decompress(const std::vector<uint8_t>& stream, size_t n, size_t* produced = nullptr) {
    std::vector<uint8_t> out(n + 8, '#');
    size_t got = codec->decompress(stream.data(), stream.size(), out.data(), n);
    EXPECT_EQ(std::string(out.begin() + static_cast<long>(n), out.end()), std::string(8, '#'));
    if (produced) *produced = got;
    return std::string(out.begin(), out.begin() + static_cast<long>(n));
  }

  std::unique_ptr<LzssCodec> codec = std::make_unique<LzssCodec>();
};

TEST_F(LzssTest, RoundTripsAndStaysDeterministic) {
  std::vector<uint8_t> periodic(9000);
  for (size_t i = 0; i < periodic.size(); ++i)
    periodic[i] = static_cast<uint8_t>(i % 251 ^ i / 700);
  const struct {
    const char* name;
    std::vector<uint8_t> input;
  } cases[] = {
      {"one byte", {0x5A}},
      {"100 bytes", test::randomBytes(100)},
      {"101 bytes", test::randomBytes(101, 2)},
      {"zeros", std::vector<uint8_t>(10000, 0)},
      {"runs",
       [] {
         std::vector<uint8_t> v;
         for (int run = 0; run < 600; ++run)
           v.insert(v.end(), 1 + run % 37, static_cast<uint8_t>(run));
         return v;
       }()},
      {"random", test::randomBytes(20000, 3)},
      {"periodic across window wraps", periodic},
      {"sprite bank", test::spriteBankLike(size_t{64} * 1024)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> stream = compress(c.input);
    size_t produced = 0;
    std::string restored = decompress(stream, c.input.size(), &produced);
    EXPECT_EQ(produced, c.input.size());
    EXPECT_TRUE(restored == std::string(c.input.begin(), c.input.end()));
    // A fresh codec, and this one after other work, give the same bytes.
    LzssCodec fresh;
    EXPECT_EQ(compressWith(fresh, c.input), stream);
    compress(test::randomBytes(5000, 9));
    EXPECT_EQ(compress(c.input), stream);
  }
  EXPECT_LT(compress(test::spriteBankLike(size_t{64} * 1024)).size(), 32u * 1024);
}

TEST_F(LzssTest, IdenticalBytesStartWithLiteralThenFullMatchAtPositionOne) {
  std::vector<uint8_t> stream = compress(std::vector<uint8_t>(101, 'A'));
  EXPECT_EQ(bitsAt(stream, 0, 1), 1u);  // literal
  EXPECT_EQ(bitsAt(stream, 1, 8), 'A');
  EXPECT_EQ(bitsAt(stream, 9, 1), 0u);    // match
  EXPECT_EQ(bitsAt(stream, 10, 12), 1u);  // where the first byte sits
  EXPECT_EQ(bitsAt(stream, 22, 4), 15u);  // 17 bytes
  EXPECT_EQ(decompress(stream, 101), std::string(101, 'A'));
}

TEST_F(LzssTest, EmptyCompressesToEndCodeOnly) {
  uint8_t out[16];
  memset(out, 0xEE, sizeof out);
  // 13 bits of end code plus 12 bits of padding: three whole bytes.
  ASSERT_EQ(codec->compress(nullptr, 0, out), 3u);
  EXPECT_EQ(out[0] | out[1] | out[2], 0);
}

TEST_F(LzssTest, DecodesHandMadeStreams) {
  const struct {
    const char* name;
    StreamBuilder stream;
    size_t n;
    std::string expected;  // '#': left untouched
    size_t produced;
  } cases[] = {
      {"overlapping match repeats the pattern",
       StreamBuilder().literal('a').literal('b').match(1, 7).literal('!'), 10, "ababababa!", 10},
      {"stops after n bytes inside a match", StreamBuilder().literal('x').match(1, 17).literal('Z'),
       5, "xxxxx", 5},
      {"end code is position 0 alone, whatever follows",
       StreamBuilder().literal('a').bits(0, 13).bits(0xF, 4).literal('b'), 4, "a###", 1},
      {"unwritten window positions read as zero", StreamBuilder().literal('q').match(2000, 3), 4,
       std::string("q\0\0\0", 4), 4},
      {"input that runs out reads as the end code", StreamBuilder().literal('k'), 3, "k##", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    size_t produced = 0;
    EXPECT_EQ(decompress(c.stream.bytes(), c.n, &produced), c.expected);
    EXPECT_EQ(produced, c.produced);
  }
}

TEST_F(LzssTest, TruncatedStreamYieldsAPrefixAndNothingPastN) {
  std::vector<uint8_t> input = test::spriteBankLike(20000);
  std::vector<uint8_t> stream = compress(input);
  std::string original(input.begin(), input.end());
  // End code and padding take up to 25 bits, so cutting 6 bytes loses at least
  // the last whole token.
  for (size_t keep : {size_t{0}, size_t{1}, stream.size() / 3, stream.size() - 6}) {
    SCOPED_TRACE(keep);
    std::vector<uint8_t> cut(stream.begin(), stream.begin() + static_cast<long>(keep));
    size_t produced = 0;
    std::string restored = decompress(cut, input.size(), &produced);
    EXPECT_LT(produced, input.size());
    // All but the token cut in half are restored exactly.
    size_t exact = produced > 17 ? produced - 17 : 0;
    EXPECT_EQ(restored.substr(0, exact), original.substr(0, exact));
  }
}

}  // namespace
}  // namespace bt
