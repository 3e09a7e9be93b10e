#include "app/DailyBook.h"

#include <algorithm>

#include "game/Replay.h"
#include "game/Ring.h"
#include "storage/ByteWriter.h"
#include "storage/FramedFile.h"

namespace bt {
namespace {

constexpr Framing kFraming{.magic = "", .versioned = true, .summed = true};
constexpr uint8_t kVersion = 1;
constexpr uint8_t kSolved = 1, kHinted = 2, kSent = 4;
constexpr size_t kDateLength = 10;
constexpr size_t kMaxIdLength = 32;
// No puzzle's best is anywhere near this long; a longer one is damage.
constexpr size_t kMaxMoves = 4096;

bool isDate(std::string_view text) {
  if (text.size() != kDateLength || text[4] != '-' || text[7] != '-') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// Reads one day at `at`, moving past it; nullopt for anything damaged.
std::optional<DailyBest> readDay(const uint8_t* data, size_t size, size_t& at) {
  if (size - at < kDateLength + 1) return std::nullopt;
  DailyBest day;
  day.date.assign(reinterpret_cast<const char*>(data + at), kDateLength);
  at += kDateLength;
  const size_t idLength = data[at++];
  if (!isDate(day.date) || idLength == 0 || idLength > kMaxIdLength || size - at < idLength + 4)
    return std::nullopt;
  day.id.assign(reinterpret_cast<const char*>(data + at), idLength);
  at += idLength;
  const uint8_t flags = data[at];
  day.par = data[at + 1];
  const size_t length = data[at + 2] | (static_cast<size_t>(data[at + 3]) << 8);
  at += 4;
  day.solved = (flags & kSolved) != 0;
  day.hinted = (flags & kHinted) != 0;
  day.sent = (flags & kSent) != 0;
  if ((flags & ~(kSolved | kHinted | kSent)) != 0 || length > kMaxMoves || size - at < length ||
      day.solved != (length > 0) || (day.sent && !day.solved)) {
    return std::nullopt;
  }
  day.moves.assign(reinterpret_cast<const char*>(data + at), length);
  at += length;
  if (!std::all_of(day.moves.begin(), day.moves.end(), isMoveLetter)) return std::nullopt;
  return day;
}

}  // namespace

const DailyBest* DailyBook::day(std::string_view date) const {
  for (const DailyBest& day : days_) {
    if (day.date == date) return &day;
  }
  return nullptr;
}

DailyBest& DailyBook::dayFor(std::string_view date, std::string_view id, int par) {
  auto at = std::lower_bound(days_.begin(), days_.end(), date,
                             [](const DailyBest& day, std::string_view d) { return day.date < d; });
  if (at == days_.end() || at->date != date) {
    DailyBest day;
    day.date = std::string(date);
    at = days_.insert(at, std::move(day));
  }
  // The day's puzzle as it is made now (a newer version of the program could
  // only make it anew for its id).
  if (at->id != id) {
    *at = DailyBest{};
    at->date = std::string(date);
    at->id = std::string(id);
  }
  at->par = std::clamp(par, 0, 255);
  return *at;
}

bool DailyBook::noteSolve(std::string_view date, std::string_view id, const Level& level, int par,
                          std::string_view moves, bool hinted) {
  if (!isDate(date) || id.empty() || id.size() > kMaxIdLength || moves.empty() ||
      moves.size() > kMaxMoves || !replaySolves(level, moves)) {
    return false;
  }
  const DailyBest before = day(date) ? *day(date) : DailyBest{};
  DailyBest& entry = dayFor(date, id, par);
  if (hinted) {
    entry.hinted = true;
  } else if (!entry.solved || moves.size() < entry.moves.size()) {
    entry.solved = true;
    entry.sent = false;
    entry.moves = std::string(moves);
  }
  const bool changed = entry != before;
  // Only the latest days are kept.
  if (days_.size() > kMostDays) days_.erase(days_.begin());
  return changed;
}

std::vector<DailyBest> DailyBook::unsent() const {
  std::vector<DailyBest> bests;
  for (const DailyBest& day : days_) {
    if (day.solved && !day.sent) bests.push_back(day);
  }
  return bests;
}

bool DailyBook::markSent(std::string_view date, std::string_view moves) {
  for (DailyBest& day : days_) {
    if (day.date != date) continue;
    if (!day.solved || day.moves != moves || day.sent) return false;
    day.sent = true;
    return true;
  }
  return false;
}

std::vector<uint8_t> DailyBook::encode() const {
  ByteWriter writer;
  writer.appendUInt16(static_cast<uint16_t>(days_.size()));
  for (const DailyBest& day : days_) {
    writer.appendBytes(day.date.data(), static_cast<int32_t>(day.date.size()));
    writer.appendByte(static_cast<uint8_t>(day.id.size()));
    writer.appendBytes(day.id.data(), static_cast<int32_t>(day.id.size()));
    writer.appendByte(static_cast<uint8_t>((day.solved ? kSolved : 0) | (day.hinted ? kHinted : 0) |
                                           (day.sent ? kSent : 0)));
    writer.appendByte(static_cast<uint8_t>(day.par));
    const std::string moves = day.solved ? day.moves : std::string();
    writer.appendUInt16(static_cast<uint16_t>(moves.size()));
    writer.appendBytes(moves.data(), static_cast<int32_t>(moves.size()));
  }
  return encodeFramed(kFraming, kVersion, {writer.data(), static_cast<size_t>(writer.length())});
}

std::optional<DailyBook> DailyBook::decode(std::span<const uint8_t> bytes) {
  const std::optional<Unframed> framed = decodeFramed(kFraming, bytes);
  if (!framed || framed->version != kVersion || framed->body.size() < 2) return std::nullopt;
  const uint8_t* data = framed->body.data();
  const size_t size = framed->body.size();
  const size_t count = data[0] | (static_cast<size_t>(data[1]) << 8);
  if (count > kMostDays) return std::nullopt;
  DailyBook book;
  size_t at = 2;
  for (size_t i = 0; i < count; ++i) {
    std::optional<DailyBest> day = readDay(data, size, at);
    // Days stand in order, each once.
    if (!day || (!book.days_.empty() && book.days_.back().date >= day->date)) return std::nullopt;
    book.days_.push_back(std::move(*day));
  }
  if (at != size) return std::nullopt;
  return book;
}

size_t DailyBook::maxFileBytes() {
  const size_t maxDay = kDateLength + 1 + kMaxIdLength + 4 + kMaxMoves;
  return maxFramedFileBytes(kFraming, 2 + kMostDays * maxDay);
}

}  // namespace bt
