#include <gtest/gtest.h>

#include <vector>

#include "storage/ByteReader.h"
#include "storage/ByteWriter.h"

namespace bt {
namespace {

TEST(ByteWriterTest, GrowsByNPlus1024AsSoonAsLengthReachesCapacity) {
  const struct {
    int32_t first, second;
    int32_t capacityAfter;
  } cases[] = {
      {1024, 1023, 2048},  // 2047 < 2048: no growth
      {1024, 1024, 4096},  // 2048 == 2048: grows by 1024 + 1024
      {0, 0, 1024},        // an empty append on an empty writer still grows
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.second);
    ByteWriter writer;
    std::vector<uint8_t> bytes(static_cast<size_t>(c.first + c.second), 0xAB);
    ASSERT_TRUE(writer.appendBytes(bytes.data(), c.first));
    ASSERT_TRUE(writer.appendBytes(bytes.data(), c.second));
    EXPECT_EQ(writer.capacity(), c.capacityAfter);
    EXPECT_EQ(writer.length(), c.first + c.second);
    EXPECT_EQ(std::vector<uint8_t>(writer.data(), writer.data() + writer.length()), bytes);
  }
  ByteWriter writer;
  EXPECT_FALSE(writer.appendBytes("x", -1));
  EXPECT_EQ(writer.length(), 0);
}

TEST(ByteWriterTest, WritesLeastSignificantByteFirst) {
  ByteWriter writer;
  writer.appendInt32(0x12345678);
  writer.appendUInt16(0xBEEF);
  writer.appendByte(0x7F);
  writer.appendInt32(-2);
  std::vector<uint8_t> expected = {0x78, 0x56, 0x34, 0x12, 0xEF, 0xBE,
                                   0x7F, 0xFE, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(std::vector<uint8_t>(writer.data(), writer.data() + writer.length()), expected);
}

TEST(ByteReaderTest, ReadsLittleEndianValuesAtAnyPosition) {
  ByteReader reader;
  reader.assign({0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 0xFF, 0x80});
  EXPECT_EQ(reader.readUInt16(), 65535);
  EXPECT_EQ(reader.readInt8(), -1);
  EXPECT_EQ(reader.readInt32(), 0x12345678);  // unaligned
  EXPECT_EQ(reader.readUInt8(), 255);
  EXPECT_EQ(reader.readInt8(), -128);
  EXPECT_EQ(reader.remaining(), 0);
  EXPECT_FALSE(reader.isShort());
}

TEST(ByteReaderTest, ReadsPastTheEndYieldZerosAndMarkTheReaderShort) {
  ByteReader reader;
  reader.assign({0x11, 0x22, 0x33});
  EXPECT_EQ(reader.readUInt16(), 0x2211);
  EXPECT_EQ(reader.readInt32(), 0x33);  // one byte left, the rest zero
  EXPECT_TRUE(reader.isShort());
  EXPECT_EQ(reader.position(), 6);
  EXPECT_EQ(reader.readUInt8(), 0);

  reader.assign({1, 2, 3});
  EXPECT_FALSE(reader.isShort());
  uint8_t bytes[5] = {9, 9, 9, 9, 9};
  EXPECT_TRUE(reader.readBytes(bytes, 1));
  EXPECT_FALSE(reader.readBytes(bytes, 4));
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 5), (std::vector<uint8_t>{2, 3, 0, 0, 9}));
  EXPECT_TRUE(reader.isShort());
  EXPECT_EQ(reader.position(), 5);
  EXPECT_EQ(reader.remaining(), 0);

  reader.release();
  EXPECT_EQ(reader.length(), 0);
  EXPECT_EQ(reader.readInt32(), 0);
}

}  // namespace
}  // namespace bt
