// Any reply a score server could send must parse without crashing into at
// most ten pairs whose names are terminated and at most 15 characters long,
// and reading it into a table must keep every row whole.
#include "net/ScoreReply.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "screens/ScoreTableExchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The client reads at most 1024 bytes; longer inputs take the same path.
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const bt::ScoreReply reply = bt::parseScoreReply(body);
  if (reply.count < 0 || reply.count > bt::kScoreReplyPairs) std::abort();
  for (int i = 0; i < reply.count; ++i) {
    const auto& name = reply.pairs[static_cast<size_t>(i)].name;
    if (name.back() != 0 || std::strlen(name.data()) == 0) std::abort();
    // A name never holds white space: it ends at the first blank.
    if (std::strpbrk(name.data(), " \t\n\v\f\r") != nullptr) std::abort();
  }
  bt::ScoreTable table;
  bt::applyScoreReply(reply, table);
  for (const bt::ScoreEntry& entry : table.entries) {
    if (entry.name.back() != 0) std::abort();
  }
  // The same text again gives the same pairs.
  const bt::ScoreReply again = bt::parseScoreReply(body);
  if (again.count != reply.count ||
      std::memcmp(&again.pairs, &reply.pairs, sizeof reply.pairs) != 0) {
    std::abort();
  }
  return 0;
}
