// The player's seven files through the one loader and damage policy
// (PlayerData): a missing file is the fresh state, quietly; a damaged one is
// one warning, set aside as FILE.damaged, then the fresh state, which the
// next write starts the file with; an unreadable one, or a damaged one that
// cannot be set aside, is one warning and is never written over. No file is
// read past what its format can hold. A failed save is one warning line and
// one report to the platform.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/GameProofFile.h"
#include "app/PlayerData.h"
#include "app/ShellFixture.h"
#include "game/LevelTable.h"
#include "storage/StoredFile.h"
#include "support/CapturedStderr.h"

namespace bt::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

size_t linesWith(const std::string& text, const std::string& word) {
  size_t count = 0;
  for (size_t at = text.find(word); at != std::string::npos;
       at = text.find(word, text.find('\n', at))) {
    ++count;
  }
  return count;
}

// 'text', as the warnings quote a path (built so, for GCC 12's -Wrestrict).
std::string quoted(const std::string& text) {
  std::string quoted = "'";
  quoted += text;
  quoted += "'";
  return quoted;
}

Bytes stored(const Bytes& contents) {
  return encodeStored(contents.data(), contents.size());
}

Bytes stored(const std::string& contents) {
  return stored(Bytes(contents.begin(), contents.end()));
}

Bytes changedAt(Bytes bytes, size_t at, uint8_t value) {
  bytes.at(at) = value;
  return bytes;
}

Bytes firstBytes(const Bytes& bytes, size_t n) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

Bytes randomBytes(size_t n) {
  std::mt19937 random(5);
  Bytes bytes(n);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

Board levelBoard(int32_t levelIndex) {
  Board board;
  LevelTable::loadLevel(board, levelIndex);
  board.levelIndex = levelIndex;
  return board;
}

struct Damage {
  const char* what;
  Bytes bytes;
};

// One file of the player's: how a run reads it and writes it, a good file
// and damaged ones.
struct FileCase {
  PlayerFile file;
  // Reads the file; true when what the run then holds is the fresh state.
  std::function<bool(PlayerData&)> readIsFresh;
  std::function<bool(PlayerData&)> write;
  Bytes good;
  std::vector<Damage> damaged;
};

std::vector<FileCase> fileCases() {
  Settings settings;
  settings.soundOn = 1;
  const auto settingsBytes = encodeSettings(settings);
  ScoreTable scores;
  scores.setEntryName(0, "ANN");
  const auto level3 = encodeSavedGame(levelBoard(2));
  const Bytes save = stored(Bytes(level3.begin(), level3.end()));
  RecordBook records;
  records.noteSolve(0, levelSolutions()[0], false);
  const Bytes recordBytes = records.encode();
  // Side 5, one marker a clockwise turn of the first ring from its tile.
  const Level puzzle{5, {{2, 1, 1}}, {{3, 1, 1}}};
  DailyBook daily;
  daily.noteSolve("2026-12-07", "5c1p1e-00000", puzzle, 1, "DU>", false);
  daily.noteSolve("2026-12-08", "5c1p1e-22222", puzzle, 1, ">", false);
  const Bytes dailyBytes = daily.encode();
  const std::string one(levelSolutions()[0]);
  WorldBests world;
  world.set(0, {9, "ANN"});
  world.set(4, {12, "BOB"});
  const Bytes worldBytes = world.encode();

  return {
      {PlayerFile::Settings,
       [](PlayerData& d) {
         d.loadSettings();
         return encodeSettings(d.settings()) == encodeSettings(Settings{});
       },
       [](PlayerData& d) { return d.writeSettings(); },
       Bytes(settingsBytes.begin(), settingsBytes.end()),
       {{"random bytes", randomBytes(1024)},
        {"a key no keypad has", {7, 1, 0, 3, 4, 1, 2, 17, 18, 19, 15, 0xFD}},
        {"no action has a key", {0, 1, 0, 254, 0, 254, 254, 254, 0, 254, 254, 16}}}},
      // The phone's table has no bytes that are damage: a short file sets
      // the fields it holds.
      {PlayerFile::Scores,
       [](PlayerData& d) {
         d.loadScores();
         return encodeScores(d.scores()) == encodeScores(ScoreTable{});
       },
       [](PlayerData& d) { return d.writeScores(); },
       encodeScores(scores),
       {}},
      {PlayerFile::SavedGame,
       [](PlayerData& d) { return !d.readSavedGame(); },
       [](PlayerData& d) { return d.writeSavedGame(levelBoard(0)); },
       save,
       {{"not a stored file", {'s', 'a', 'v', 'e'}},
        {"short", stored(firstBytes(Bytes(level3.begin(), level3.end()), level3.size() - 1))},
        {"side 4", stored(changedAt(Bytes(level3.begin(), level3.end()), 4, 4))}}},
      {PlayerFile::Records,
       [](PlayerData& d) {
         d.loadRecords();
         return d.records().encode() == RecordBook().encode();
       },
       [](PlayerData& d) { return d.writeRecords(); },
       recordBytes,
       {{"empty", {}},
        {"short", firstBytes(recordBytes, 20)},
        {"a byte changed", changedAt(recordBytes, 6, recordBytes[6] ^ 0x10)},
        {"no stored-file length", {1, 2}}}},
      {PlayerFile::Daily,
       [](PlayerData& d) {
         d.loadDaily();
         return d.daily().days().empty();
       },
       [](PlayerData& d) { return d.writeDaily(); },
       dailyBytes,
       {{"empty", {}},
        {"short", firstBytes(dailyBytes, dailyBytes.size() / 2)},
        {"a byte changed", changedAt(dailyBytes, dailyBytes.size() - 8, 'x')},
        {"no stored-file length", {1, 2}}}},
      {PlayerFile::Proof,
       [](PlayerData& d) {
         GameProofFile proof(d);
         proof.load();
         return proof.proof().levels.empty() && proof.levelInProgress().empty();
       },
       [](PlayerData& d) { return d.writeProof(stored(std::string("BTPF\0\0\0\0", 8))); },
       stored(std::string("BTPF\x01\0\0\0", 8) + one),
       {{"no header", stored("UU<L>L<L>")},
        {"another level count", stored(std::string("BTPF\x02\0\0\0", 8) + one)},
        {"a byte outside the notation", stored(std::string("BTPF\x01\0\0\0", 8) + "UU<L>L<x>")},
        {"moves that do not solve", stored(std::string("BTPF\x01\0\0\0", 8) + "UU<L>L<<")},
        {"a stored length past the end", {0xff, 0xff, 0xff, 0x7f}}}},
      {PlayerFile::WorldBests,
       [](PlayerData& d) {
         d.loadWorldBests();
         return d.worldBests() == WorldBests();
       },
       [](PlayerData& d) { return d.replaceWorldBests(WorldBests{}); },
       worldBytes,
       {{"empty", {}},
        {"cut short", firstBytes(worldBytes, worldBytes.size() - 3)},
        {"a byte changed", changedAt(worldBytes, 11, worldBytes[11] ^ 0x01)},
        {"another magic", changedAt(worldBytes, 4, worldBytes[4] ^ 0x01)},
        {"no stored-file length", {7}}}},
  };
}

class PlayerFilesTest : public ::testing::Test {
 protected:
  PlayerData data() {
    return PlayerData(Folders(folder_.path(), folder_.path()),
                      [this](const std::string& message) { reports_.push_back(message); });
  }
  std::string name(const FileCase& c) const { return formatOf(c.file).name; }
  std::string path(const FileCase& c) const { return folder_.file(name(c)); }
  // A fresh folder for the next case.
  void clear() {
    for (const std::string& entry : folder_.entries()) fs::remove_all(folder_.file(entry));
  }

  TempFolder folder_;
  std::vector<std::string> reports_;
};

TEST_F(PlayerFilesTest, AMissingFileIsTheFreshStateQuietlyAndAGoodOneIsRead) {
  for (const FileCase& c : fileCases()) {
    SCOPED_TRACE(name(c));
    clear();
    PlayerData player = data();
    CapturedStderr errors;
    EXPECT_TRUE(c.readIsFresh(player));
    EXPECT_TRUE(folder_.entries().empty()) << "reading creates nothing";
    folder_.write(name(c), c.good);
    EXPECT_FALSE(c.readIsFresh(player));
    EXPECT_EQ(errors.take(), "");
    EXPECT_EQ(folder_.entries(), std::vector<std::string>{name(c)});
  }
}

TEST_F(PlayerFilesTest, ADamagedFileIsOneWarningSetAsideAndTheNextWriteStartsAfresh) {
  for (const FileCase& c : fileCases()) {
    for (const Damage& damage : c.damaged) {
      SCOPED_TRACE(name(c) + ", " + damage.what);
      clear();
      PlayerData player = data();
      folder_.write(name(c), c.good);
      ASSERT_FALSE(c.readIsFresh(player));
      folder_.write(name(c), damage.bytes);
      folder_.writeText(name(c) + ".damaged", "an older one");
      CapturedStderr errors;
      EXPECT_TRUE(c.readIsFresh(player)) << "nothing of the good file read before is kept";
      const std::string said = errors.take();
      EXPECT_EQ(linesWith(said, "brambletop:"), 1u) << said;
      EXPECT_EQ(linesWith(said, quoted(path(c)) + " is damaged"), 1u) << said;
      EXPECT_EQ(linesWith(said, formatOf(c.file).without), 1u) << said;
      EXPECT_EQ(folder_.read(name(c) + ".damaged"), damage.bytes);
      EXPECT_FALSE(fs::exists(path(c)));
      CapturedStderr again;
      EXPECT_TRUE(c.readIsFresh(player));
      EXPECT_EQ(again.take(), "") << "set aside: the next read finds no file";
      EXPECT_TRUE(c.write(player));
      EXPECT_TRUE(fs::is_regular_file(path(c))) << "written afresh";
      EXPECT_TRUE(reports_.empty());
    }
  }
}

// The phone's formats read their fields and ignore what follows, as the
// phone does; a longer file of the program's own is damaged. Either way no
// more is read than the format holds and one byte: a file of 300 MiB (holes,
// so that the disk holds nothing of it) is read at once.
TEST_F(PlayerFilesTest, NoFileIsReadPastWhatItsFormatHolds) {
  for (const FileCase& c : fileCases()) {
    const PlayerFileFormat& format = formatOf(c.file);
    for (const uintmax_t size : {uintmax_t{format.maxBytes + 1}, uintmax_t{300} << 20}) {
      SCOPED_TRACE(name(c) + ", " + std::to_string(size) + " bytes");
      clear();
      folder_.write(name(c), c.good);
      fs::resize_file(path(c), size);
      PlayerData player = data();
      CapturedStderr errors;
      EXPECT_EQ(c.readIsFresh(player), !format.tailIgnored);
      const std::string said = errors.take();
      if (format.tailIgnored) {
        EXPECT_EQ(said, "");
        EXPECT_EQ(fs::file_size(path(c)), size) << "left as it is";
      } else {
        EXPECT_EQ(linesWith(said, quoted(path(c)) + " is damaged (longer than"), 1u) << said;
        EXPECT_EQ(fs::file_size(path(c) + ".damaged"), size);
      }
    }
  }
}

// A file that cannot be read, and a damaged one that cannot be set aside:
// one warning, the fresh state, and the file never written over (which is
// no failed save: nothing is reported).
TEST_F(PlayerFilesTest, WhatCannotBeReadOrSetAsideIsLeftAloneAndNeverWrittenOver) {
  struct Block {
    const char* what;
    std::function<void(const TempFolder&, const FileCase&)> set;
    const char* said;
  };
  const Block blocks[] = {
      {"a folder",
       [](const TempFolder& f, const FileCase& c) {
         fs::create_directory(f.file(formatOf(c.file).name));
       },
       "cannot read '"},
      {"a FIFO",
       [](const TempFolder& f, const FileCase& c) {
         ASSERT_EQ(::mkfifo(f.file(formatOf(c.file).name).c_str(), 0600), 0);
       },
       "cannot read '"},
      {"no permission to read",
       [](const TempFolder& f, const FileCase& c) {
         f.write(formatOf(c.file).name, c.good);
         fs::permissions(f.file(formatOf(c.file).name), fs::perms::owner_write);
       },
       "cannot read '"},
      {"damaged, and a folder in the way of setting it aside",
       [](const TempFolder& f, const FileCase& c) {
         f.write(formatOf(c.file).name, c.damaged.front().bytes);
         fs::create_directories(f.file(std::string(formatOf(c.file).name) + ".damaged/full"));
       },
       "cannot be set aside"},
  };
  std::string notTried;
  for (const FileCase& c : fileCases()) {
    for (const Block& block : blocks) {
      SCOPED_TRACE(name(c) + ", " + block.what);
      const bool damaged = std::string(block.said) == "cannot be set aside";
      if (damaged && c.damaged.empty()) continue;  // no damage to set aside
      if (std::string(block.what) == "no permission to read" && ::geteuid() == 0) {
        notTried = block.what;
        continue;
      }
      clear();
      block.set(folder_, c);
      const fs::file_type kind = fs::symlink_status(path(c)).type();
      PlayerData player = data();
      CapturedStderr errors;
      EXPECT_TRUE(c.readIsFresh(player));
      EXPECT_FALSE(c.write(player));
      const std::string said = errors.take();
      EXPECT_EQ(linesWith(said, "brambletop:"), 1u) << said;
      EXPECT_EQ(linesWith(said, block.said), 1u) << said;
      EXPECT_EQ(linesWith(said, name(c) + "'"), 1u) << said;
      EXPECT_EQ(linesWith(said, formatOf(c.file).without), 1u) << said;
      EXPECT_TRUE(reports_.empty());
      EXPECT_EQ(fs::symlink_status(path(c)).type(), kind);
      if (kind == fs::file_type::regular) {
        fs::permissions(path(c), fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(folder_.read(name(c)), damaged ? c.damaged.front().bytes : c.good);
      }
    }
  }
  if (!notTried.empty()) {
    GTEST_SKIP() << "run as root, which reads every file: '" << notTried << "' not tried";
  }
}

TEST_F(ShellTest, AFailedSaveIsSaidOnceAndReportedToThePlatform) {
  fs::create_directory(folder_.file("save.dat"));
  start();
  CapturedStderr errors;
  EXPECT_FALSE(app_->player().writeSavedGame(levelBoard(0)));
  EXPECT_TRUE(app_->player().writeRecords());
  const std::string said = errors.take();
  EXPECT_EQ(
      linesWith(said, "cannot save the game to '" + folder_.file("save.dat") + "': is a folder"),
      1u)
      << said;
  EXPECT_EQ(linesWith(said, "brambletop:"), 1u) << said;
  ASSERT_EQ(platform_.saveFailures().size(), 1u);
  EXPECT_NE(platform_.saveFailures()[0].find("could not save the game to '" +
                                             folder_.file("save.dat") + "': is a folder."),
            std::string::npos)
      << platform_.saveFailures()[0];
  EXPECT_TRUE(fs::is_directory(folder_.file("save.dat")));
  EXPECT_EQ(folder_.read("records.dat"), RecordBook().encode());
}

}  // namespace
}  // namespace bt::test
