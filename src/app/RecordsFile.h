#pragma once
// The steps a file of the player's own results takes when it is loaded
// (records.dat, daily.dat): read whole, decoded by its owner, a damaged one
// set aside as PATH.damaged so that the next save starts it afresh, and one
// that cannot be read left alone and never written over. Each step that
// loses anything is said in one warning line.
#include <cstddef>
#include <functional>
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

}  // namespace bt
