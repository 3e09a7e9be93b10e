#pragma once
// The steps a file of the player's own results takes when it is loaded
// (records.dat, daily.dat): read whole, decoded by its owner, a damaged one
// set aside as PATH.damaged so that the next save starts it afresh, and one
// that cannot be read left alone and never written over. Each step that
// loses anything is said in one warning line.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace bt {

enum class RecordsFile {
  Missing,     // nothing there: no results yet
  Read,        // the results it holds
  Damaged,     // said in a warning, set aside as PATH.damaged: no results
  Unreadable,  // said in a warning, left alone and never written over
};

struct RecordsFileLoad {
  RecordsFile file = RecordsFile::Missing;
  bool writable = true;  // false when the file must not be written over
};

// `what` names the results in the warnings ("records", "daily bests");
// `decode` takes the bytes and says whether they were whole and good.
RecordsFileLoad loadRecordsFile(const std::string& path, size_t maxBytes, const std::string& what,
                                const std::function<bool(std::span<const uint8_t>)>& decode);

// The same for a book that Book::decode reads from the file's bytes (of at
// most a megabyte): `book` holds what was read, and stays as it is otherwise.
template <typename Book>
RecordsFileLoad loadRecordsFile(const std::string& path, const std::string& what, Book& book) {
  return loadRecordsFile(path, 1u << 20, what, [&](std::span<const uint8_t> bytes) {
    std::optional<Book> read = Book::decode(bytes);
    if (read) book = std::move(*read);
    return read.has_value();
  });
}

}  // namespace bt
