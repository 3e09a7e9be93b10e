#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/PlayerData.h"
#include "app/ScoreTable.h"
#include "app/Settings.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

std::vector<uint8_t> settingsBytes(const Settings& s) {
  std::vector<uint8_t> bytes(kSettingsFileBytes);
  bytes[0] = s.reserved;
  bytes[1] = s.soundOn;
  bytes[2] = s.gameInProgress;
  std::copy(s.keyMap.begin(), s.keyMap.end(), bytes.begin() + 3);
  return bytes;
}

Settings readSettings(const std::vector<uint8_t>& bytes) {
  std::string why;
  const std::optional<Settings> settings = decodeSettings(bytes, why);
  EXPECT_TRUE(settings) << why;
  return settings.value_or(Settings{});
}

std::vector<uint8_t> written(const Settings& s) {
  const auto bytes = encodeSettings(s);
  return {bytes.begin(), bytes.end()};
}

// 216 bytes of a score file with every name terminated at byte 15 but with
// bytes after the terminator that are not zero (they must survive).
std::vector<uint8_t> sampleScoreFile() {
  std::vector<uint8_t> bytes(kScoreFileBytes);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
  for (size_t name = 0; name < 11; ++name) bytes[name == 0 ? 15 : 16 + 20 * (name - 1) + 15] = 0;
  return bytes;
}

TEST(RecordFiles, FirstStartHasTheDefaultsAndCreatesNothing) {
  test::TempFolder folder;
  PlayerData player(Folders(folder.path(), folder.path()));
  player.load();
  const Settings& settings = player.settings();
  EXPECT_EQ(settings.soundOn, 0);
  EXPECT_EQ(settings.keyMap, kDefaultKeyMap);

  const ScoreTable& table = player.scores();
  for (const ScoreEntry& entry : table.entries) {
    EXPECT_STREQ(entry.name.data(), "AAAAAAAAAAAAAAA");
    EXPECT_EQ(entry.score, 0);
  }
  EXPECT_EQ(table.lastInitials, (std::array<char, 16>{}));
  EXPECT_EQ(table.getHighlighted(), -1);
  EXPECT_TRUE(folder.entries().empty());
}

TEST(RecordFiles, SettingsRoundTripEveryByte) {
  const std::vector<uint8_t> original = {0xA5, 7, 0x80, 1, 2, 3, 254, 0, 32, 9, 16, 20};
  const Settings settings = readSettings(original);
  EXPECT_EQ(settings.reserved, 0xA5);
  EXPECT_EQ(settings.keyMap[3], 254);
  EXPECT_EQ(written(settings), original);
  std::vector<uint8_t> longer = original;
  longer.push_back(0xEE);  // past the twelfth byte: ignored
  EXPECT_EQ(written(readSettings(longer)), original);
}

TEST(RecordFiles, ShortSettingsFileSetsOnlyTheBytesItHolds) {
  const std::vector<uint8_t> full = {9, 1, 1, 18, 17, 4, 3, 2, 1, 20, 19, 15};
  for (size_t size : {0, 1, 3, 5, 11}) {
    const Settings settings = readSettings(std::vector<uint8_t>(full.begin(), full.begin() + size));
    std::vector<uint8_t> expected = settingsBytes(Settings{});
    std::copy_n(full.begin(), size, expected.begin());
    EXPECT_EQ(settingsBytes(settings), expected) << size << " bytes";
  }
}

TEST(RecordFiles, ScoresRoundTripEveryByteAndSaveAlways216) {
  const std::vector<uint8_t> original = sampleScoreFile();
  const ScoreTable table = decodeScores(original);
  EXPECT_EQ(table.entries[0].score, int32_t(0x1AF5D0AB)) << "little-endian at offset 32";
  EXPECT_EQ(table.getHighlighted(), -1);
  EXPECT_EQ(encodeScores(table), original);

  ScoreTable fresh;
  fresh.entries[9].score = -5;
  std::vector<uint8_t> saved = encodeScores(fresh);
  ASSERT_EQ(saved.size(), kScoreFileBytes);
  EXPECT_EQ(std::vector<uint8_t>(saved.end() - 4, saved.end()),
            (std::vector<uint8_t>{0xFB, 0xFF, 0xFF, 0xFF}));
}

TEST(RecordFiles, ShortScoreFileSetsOnlyWholeFields) {
  const std::vector<uint8_t> full = sampleScoreFile();
  const ScoreTable reference = decodeScores(full);
  // Cut inside entry 3's name, and between entry 3's name and its score.
  for (size_t size : {size_t(10), size_t(16 + 20 * 3 + 10), size_t(16 + 20 * 3 + 18)}) {
    const ScoreTable table = decodeScores(std::vector<uint8_t>(full.begin(), full.begin() + size));
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

TEST(RecordFiles, UnterminatedNamesAreCutTo15Characters) {
  const ScoreTable table = decodeScores(std::vector<uint8_t>(kScoreFileBytes, 'B'));
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

TEST(RecordFiles, WritesReplaceTheFileAndLeaveNothingElse) {
  test::TempFolder folder;
  folder.write("settings.dat", std::vector<uint8_t>(40, 0xEE));
  PlayerData player(Folders(folder.path(), folder.path()));
  player.settings().soundOn = 1;
  ASSERT_TRUE(player.writeSettings());
  ASSERT_TRUE(player.writeScores());
  EXPECT_EQ(folder.read("settings.dat"), settingsBytes(player.settings()));
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"highscores.dat", "settings.dat"}));

  std::vector<std::string> reports;
  PlayerData elsewhere(Folders(folder.path(), folder.file("missing")),
                       [&](const std::string& message) { reports.push_back(message); });
  testing::internal::CaptureStderr();
  EXPECT_FALSE(elsewhere.writeSettings());
  EXPECT_FALSE(elsewhere.writeScores());
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(reports.size(), 2u);
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"highscores.dat", "settings.dat"}));
}

}  // namespace
}  // namespace bt
