// The files of records beside the saved game: "records.dat" of every version
// (whether the score server settled a record), and "worldbests.dat", the
// world's bests last fetched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/RecordBook.h"
#include "app/WorldBests.h"
#include "game/LevelData.h"
#include "storage/ByteWriter.h"
#include "storage/Checksum.h"
#include "storage/StoredFile.h"

namespace bt::test {
namespace {

struct LevelBytes {
  uint8_t flags = 0;
  std::string moves;
};

// "records.dat" as a version wrote it, built by hand, its sum made right.
std::vector<uint8_t> recordsFile(uint8_t version, const std::vector<LevelBytes>& first) {
  ByteWriter writer;
  writer.appendByte(version);
  writer.appendByte(static_cast<uint8_t>(kLevelCount));
  for (int level = 0; level < kLevelCount; ++level) {
    const LevelBytes entry = static_cast<size_t>(level) < first.size()
                                 ? first[static_cast<size_t>(level)]
                                 : LevelBytes{};
    writer.appendByte(entry.flags);
    writer.appendUInt16(static_cast<uint16_t>(entry.moves.size()));
    writer.appendBytes(entry.moves.data(), static_cast<int32_t>(entry.moves.size()));
  }
  writer.appendInt32(
      static_cast<int32_t>(fnv1a32(writer.data(), static_cast<size_t>(writer.length()))));
  return encodeStored(writer.data(), static_cast<size_t>(writer.length()));
}

TEST(RecordBookFile, TheFirstVersionReadsAsRecordsNotYetSent) {
  const std::string one(levelSolutions()[0]), two(levelSolutions()[1]);
  const auto book = RecordBook::decode(recordsFile(1, {{3, one}, {3, two}, {1, ""}}));
  ASSERT_TRUE(book);
  EXPECT_EQ(book->level(0).moves, one);
  EXPECT_EQ(book->level(1).moves, two);
  EXPECT_FALSE(book->level(0).sent);
  EXPECT_TRUE(book->level(2).reached);
  EXPECT_FALSE(book->level(2).solved);

  struct Case {
    const char* what;
    uint8_t version;
    std::vector<LevelBytes> levels;
  };
  const Case refused[] = {
      {"the sent flag in the first version", 1, {{3 | 8, one}}},
      {"sent without a record", 2, {{1 | 8, ""}}},
      {"a version to come", 3, {{3, one}}},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(RecordBook::decode(recordsFile(c.version, c.levels)));
  }
  EXPECT_TRUE(RecordBook::decode(recordsFile(2, {{3 | 8, one}}))->level(0).sent);
}

TEST(RecordBookFile, ARecordIsSentOnceUntilABetterOneReplacesIt) {
  const std::string solution(levelSolutions()[0]);
  RecordBook book;
  book.noteSolve(0, "<>" + solution, false);
  EXPECT_FALSE(book.markSent(0, solution)) << "not the moves the record holds";
  EXPECT_FALSE(book.markSent(1, "<")) << "no record there";
  EXPECT_TRUE(book.markSent(0, "<>" + solution));
  EXPECT_FALSE(book.markSent(0, "<>" + solution)) << "settled already";
  auto back = RecordBook::decode(book.encode());
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->level(0).sent);

  back->noteSolve(0, "<>" + solution, false);  // no better: stays settled
  EXPECT_TRUE(back->level(0).sent);
  back->noteSolve(0, solution, false);
  EXPECT_FALSE(back->level(0).sent);
  EXPECT_FALSE(RecordBook::decode(back->encode())->level(0).sent);
}

TEST(WorldBestsFile, KeepsWhatItIsToldAndRefusesWhatTheServerNeverSends) {
  WorldBests bests;
  EXPECT_TRUE(bests.set(0, {9, "ANN"}));
  EXPECT_TRUE(bests.set(kLevelCount - 1, {65535, "ABCDEFGHIJKLMNO"}));
  struct Case {
    const char* what;
    int level;
    WorldBest best;
  };
  const Case refused[] = {
      {"no such level", kLevelCount, {9, "ANN"}},
      {"before the first", -1, {9, "ANN"}},
      {"no moves", 1, {0, "ANN"}},
      {"too many moves", 1, {65536, "ANN"}},
      {"an empty name", 1, {9, ""}},
      {"a long name", 1, {9, "ABCDEFGHIJKLMNOP"}},
      {"a lower-case name", 1, {9, "ann"}},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(bests.set(c.level, c.best));
    EXPECT_EQ(bests.level(c.level < 0 ? 1 : c.level), nullptr);
  }
  const auto back = WorldBests::decode(bests.encode());
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, bests);
  ASSERT_NE(back->level(0), nullptr);
  EXPECT_EQ(*back->level(0), (WorldBest{9, "ANN"}));
  EXPECT_EQ(back->level(1), nullptr);
}

}  // namespace
}  // namespace bt::test
