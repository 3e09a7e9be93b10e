#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ScoreTable.h"
#include "app/Settings.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

class RecordFiles : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return folder_.file(name); }
  void write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    folder_.write(name, bytes);
  }
  std::vector<uint8_t> read(const std::string& name) const { return folder_.read(name); }
  std::vector<std::string> filesInFolder() const { return folder_.entries(); }

  test::TempFolder folder_;
};

std::vector<uint8_t> settingsBytes(const Settings& s) {
  std::vector<uint8_t> bytes(kSettingsFileBytes);
  bytes[0] = s.reserved;
  bytes[1] = s.soundOn;
  bytes[2] = s.gameInProgress;
  std::copy(s.keyMap.begin(), s.keyMap.end(), bytes.begin() + 3);
  return bytes;
}

// 216 bytes of a score file with every name terminated at byte 15 but with
// bytes after the terminator that are not zero (they must survive).
std::vector<uint8_t> sampleScoreFile() {
  std::vector<uint8_t> bytes(kScoreFileBytes);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
  for (size_t name = 0; name < 11; ++name) bytes[name == 0 ? 15 : 16 + 20 * (name - 1) + 15] = 0;
  return bytes;
}

TEST_F(RecordFiles, MissingFilesLeaveTheRecordsAndCreateNothing) {
  Settings settings;
  settings.soundOn = 1;
  EXPECT_EQ(loadSettings(settings, path("settings.dat")), SettingsFile::Missing);
  EXPECT_EQ(settings.soundOn, 1);
  EXPECT_EQ(settings.keyMap, kDefaultKeyMap);

  ScoreTable table;
  EXPECT_EQ(loadScores(table, path("highscores.dat")), ScoresFile::Missing);
  for (const ScoreEntry& entry : table.entries) {
    EXPECT_STREQ(entry.name.data(), "AAAAAAAAAAAAAAA");
    EXPECT_EQ(entry.score, 0);
  }
  EXPECT_EQ(table.lastInitials, (std::array<char, 16>{}));
  EXPECT_EQ(table.getHighlighted(), -1);
  EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(RecordFiles, SettingsRoundTripEveryByte) {
  const std::vector<uint8_t> original = {0xA5, 7, 0x80, 1, 2, 3, 254, 0, 32, 9, 16, 20};
  write("in.dat", original);
  Settings settings;
  ASSERT_EQ(loadSettings(settings, path("in.dat")), SettingsFile::Read);
  EXPECT_EQ(settings.reserved, 0xA5);
  EXPECT_EQ(settings.keyMap[3], 254);
  ASSERT_TRUE(saveSettings(settings, path("settings.dat")));
  EXPECT_EQ(read("settings.dat"), original);
}

TEST_F(RecordFiles, ShortSettingsFileSetsOnlyTheBytesItHolds) {
  const std::vector<uint8_t> full = {9, 1, 1, 18, 17, 4, 3, 2, 1, 20, 19, 15};
  for (size_t size : {0, 1, 3, 5, 11}) {
    write("settings.dat", std::vector<uint8_t>(full.begin(), full.begin() + size));
    Settings settings;
    ASSERT_EQ(loadSettings(settings, path("settings.dat")), SettingsFile::Read);
    std::vector<uint8_t> expected = settingsBytes(Settings{});
    std::copy_n(full.begin(), size, expected.begin());
    EXPECT_EQ(settingsBytes(settings), expected) << size << " bytes";
  }
}

TEST_F(RecordFiles, ScoresRoundTripEveryByteAndSaveAlways216) {
  const std::vector<uint8_t> original = sampleScoreFile();
  write("in.dat", original);
  ScoreTable table;
  ASSERT_EQ(loadScores(table, path("in.dat")), ScoresFile::Read);
  EXPECT_EQ(table.entries[0].score, int32_t(0x1AF5D0AB)) << "little-endian at offset 32";
  EXPECT_EQ(table.getHighlighted(), -1);
  ASSERT_TRUE(saveScores(table, path("highscores.dat")));
  EXPECT_EQ(read("highscores.dat"), original);

  ScoreTable fresh;
  fresh.entries[9].score = -5;
  ASSERT_TRUE(saveScores(fresh, path("highscores.dat")));
  std::vector<uint8_t> saved = read("highscores.dat");
  ASSERT_EQ(saved.size(), kScoreFileBytes);
  EXPECT_EQ(std::vector<uint8_t>(saved.end() - 4, saved.end()),
            (std::vector<uint8_t>{0xFB, 0xFF, 0xFF, 0xFF}));
}

TEST_F(RecordFiles, ShortScoreFileSetsOnlyWholeFields) {
  const std::vector<uint8_t> full = sampleScoreFile();
  ScoreTable reference;
  write("full.dat", full);
  ASSERT_EQ(loadScores(reference, path("full.dat")), ScoresFile::Read);
  // Cut inside entry 3's name, and between entry 3's name and its score.
  for (size_t size : {size_t(10), size_t(16 + 20 * 3 + 10), size_t(16 + 20 * 3 + 18)}) {
    write("highscores.dat", std::vector<uint8_t>(full.begin(), full.begin() + size));
    ScoreTable table;
    ASSERT_EQ(loadScores(table, path("highscores.dat")), ScoresFile::Read);
    const ScoreTable defaults;
    SCOPED_TRACE(size);
    EXPECT_EQ(table.lastInitials, size >= 16 ? reference.lastInitials : defaults.lastInitials);
    for (size_t i = 0; i < 3 && size > 16; ++i) {
      EXPECT_EQ(table.entries[i].name, reference.entries[i].name);
      EXPECT_EQ(table.entries[i].score, reference.entries[i].score);
    }
    const bool name3Whole = size >= 16 + 20 * 3 + 16;
    EXPECT_EQ(table.entries[3].name, (name3Whole ? reference : defaults).entries[3].name);
    EXPECT_EQ(table.entries[3].score, 0);
    EXPECT_EQ(table.entries[4].name, defaults.entries[4].name);
  }
}

TEST_F(RecordFiles, UnterminatedNamesAreCutTo15Characters) {
  std::vector<uint8_t> bytes(kScoreFileBytes, 'B');
  write("highscores.dat", bytes);
  ScoreTable table;
  ASSERT_EQ(loadScores(table, path("highscores.dat")), ScoresFile::Read);
  EXPECT_STREQ(table.lastInitials.data(), "BBBBBBBBBBBBBBB");
  for (const ScoreEntry& entry : table.entries) EXPECT_STREQ(entry.name.data(), "BBBBBBBBBBBBBBB");
}

TEST(ScoreTableNames, SetEntryNameKeepsAtMost15Characters) {
  const struct {
    std::string text;
    std::string stored;
  } cases[] = {{"", ""},
               {"JOE", "JOE"},
               {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO"},
               {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNO"},
               {std::string(40, 'Z'), std::string(15, 'Z')}};
  for (const auto& c : cases) {
    ScoreTable table;
    table.setEntryName(2, c.text);
    EXPECT_EQ(std::string(table.entries[2].name.data()), c.stored);
    EXPECT_EQ(std::string(table.lastInitials.data()), c.stored);
    EXPECT_EQ(table.entries[2].name.back(), 0);
    EXPECT_STREQ(table.entries[1].name.data(), "AAAAAAAAAAAAAAA");
  }
  ScoreTable table;
  table.setEntryName(10, "OUT");  // no such entry: only the initials change
  EXPECT_STREQ(table.lastInitials.data(), "OUT");
}

TEST_F(RecordFiles, WritesReplaceTheFileAndLeaveNothingElse) {
  write("settings.dat", std::vector<uint8_t>(40, 0xEE));
  Settings settings;
  settings.soundOn = 1;
  ASSERT_TRUE(saveSettings(settings, path("settings.dat")));
  ASSERT_TRUE(saveScores(ScoreTable{}, path("highscores.dat")));
  EXPECT_EQ(read("settings.dat"), settingsBytes(settings));
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"highscores.dat", "settings.dat"}));

  EXPECT_FALSE(saveSettings(settings, path("missing/settings.dat")));
  EXPECT_FALSE(saveScores(ScoreTable{}, path("missing/highscores.dat")));
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"highscores.dat", "settings.dat"}));
}

}  // namespace
}  // namespace bt
