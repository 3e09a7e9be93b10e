#include "app/PlayerData.h"

#include <utility>

#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"
#include "storage/StoredFile.h"

namespace bt {
namespace {

// A saved game of this size or less holds no game: the main menu leaves an
// empty one behind when it probes for none.
constexpr uint32_t kEmptySaveBytes = 2;

size_t indexOf(PlayerFile file) {
  return static_cast<size_t>(file);
}

// A decoder that keeps what Book::decode makes of the bytes in book.
template <typename Book>
PlayerFileDecoder decodeInto(Book& book) {
  return [&book](std::span<const uint8_t> bytes, std::string&) {
    std::optional<Book> read = Book::decode(bytes);
    if (read) book = std::move(*read);
    return read.has_value();
  };
}

}  // namespace

PlayerData::PlayerData(Folders folders, FailureReport report)
    : folders_(std::move(folders)), report_(std::move(report)) {}

std::string PlayerData::pathOf(PlayerFile file) const {
  return folders_.makeDataPath(formatOf(file).name);
}

PlayerFileState PlayerData::loadFile(PlayerFile file, const PlayerFileDecoder& decode) {
  const PlayerFileLoad loaded = loadPlayerFile(pathOf(file), formatOf(file), decode);
  leftAlone_[indexOf(file)] = loaded.leftAlone;
  return loaded.state;
}

bool PlayerData::writeFile(PlayerFile file, const std::vector<uint8_t>& bytes) {
  if (leftAlone_[indexOf(file)]) return false;
  const std::string path = pathOf(file);
  std::string whyNot;
  if (os::writeFileAtomically(path, bytes, &whyNot, os::Replace::ReadableFile)) return true;
  const std::string said = std::string(formatOf(file).what) + " to " + quote(path) + ": " + whyNot;
  warn("cannot save " + said + "; what was there before is left as it was");
  if (report_) {
    report_("Brambletop could not save " + said + ". What was there before is left as it was.");
  }
  return false;
}

void PlayerData::load() {
  loadSettings();
  loadScores();
  loadRecords();
  loadDaily();
  loadWorldBests();
}

PlayerFileState PlayerData::loadSettings() {
  settings_ = Settings{};
  return loadFile(PlayerFile::Settings, [this](std::span<const uint8_t> bytes, std::string& why) {
    std::optional<Settings> read = decodeSettings(bytes, why);
    if (read) settings_ = *read;
    return read.has_value();
  });
}

PlayerFileState PlayerData::loadScores() {
  scores_ = ScoreTable{};
  return loadFile(PlayerFile::Scores, [this](std::span<const uint8_t> bytes, std::string&) {
    scores_ = decodeScores(bytes);
    return true;
  });
}

PlayerFileState PlayerData::loadRecords() {
  records_ = RecordBook{};
  return loadFile(PlayerFile::Records, decodeInto(records_));
}

PlayerFileState PlayerData::loadDaily() {
  daily_ = DailyBook{};
  return loadFile(PlayerFile::Daily, decodeInto(daily_));
}

PlayerFileState PlayerData::loadWorldBests() {
  worldBests_ = WorldBests{};
  return loadFile(PlayerFile::WorldBests, decodeInto(worldBests_));
}

bool PlayerData::writeSettings() {
  const auto bytes = encodeSettings(settings_);
  return writeFile(PlayerFile::Settings, {bytes.begin(), bytes.end()});
}

bool PlayerData::writeScores() {
  return writeFile(PlayerFile::Scores, encodeScores(scores_));
}

bool PlayerData::writeRecords() {
  return writeFile(PlayerFile::Records, records_.encode());
}

bool PlayerData::writeDaily() {
  return writeFile(PlayerFile::Daily, daily_.encode());
}

bool PlayerData::replaceWorldBests(WorldBests bests) {
  worldBests_ = std::move(bests);
  return writeFile(PlayerFile::WorldBests, worldBests_.encode());
}

std::optional<SavedGame> PlayerData::readSavedGame() {
  std::optional<SavedGame> game;
  loadFile(PlayerFile::SavedGame, [&game](std::span<const uint8_t> bytes, std::string& why) {
    if (bytes.size() <= kEmptySaveBytes) return true;
    ByteReader reader;
    if (decodeStored(bytes.data(), bytes.size(), reader)) {
      game = decodeSavedGame({reader.data(), static_cast<size_t>(reader.length())});
    }
    if (!game) why = "it holds no game that can be played";
    return game.has_value();
  });
  return game;
}

bool PlayerData::writeSavedGame(const Board& board) {
  const auto contents = encodeSavedGame(board);
  return writeFile(PlayerFile::SavedGame, encodeStored(contents.data(), contents.size()));
}

bool PlayerData::savedGameInProgress() {
  return fileSizeProbe(pathOf(PlayerFile::SavedGame)) > kEmptySaveBytes &&
         settings_.gameInProgress != 0;
}

PlayerFileState PlayerData::loadProof(const PlayerFileDecoder& decode) {
  return loadFile(PlayerFile::Proof, decode);
}

bool PlayerData::writeProof(const std::vector<uint8_t>& bytes) {
  return writeFile(PlayerFile::Proof, bytes);
}

}  // namespace bt
