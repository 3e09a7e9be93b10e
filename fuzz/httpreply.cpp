// Any bytes a server could send must be read within the reader's limits, and
// the same bytes must give the same reply however the connection splits them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/net/HttpReplyReader.h"

namespace {

constexpr size_t kMaxHead = 512;
constexpr size_t kMaxBody = 64;

bt::platform::HttpReplyReader readInPieces(std::string_view reply, size_t piece) {
  bt::platform::HttpReplyReader reader(kMaxHead, kMaxBody);
  for (size_t at = 0; at < reply.size(); at += piece) {
    if (reader.take(reply.substr(at, piece)) != bt::platform::HttpReplyReader::State::Reading) {
      break;
    }
  }
  reader.end();
  return reader;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the connection splits the rest.
  const size_t piece = 1 + data[0] % 16;
  const std::string_view reply(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto whole = readInPieces(reply, reply.size() + 1);
  const auto split = readInPieces(reply, piece);
  if (whole.body().size() > kMaxBody) std::abort();
  if (whole.state() == bt::platform::HttpReplyReader::State::Reading) std::abort();
  if (whole.state() != split.state() || whole.status() != split.status() ||
      whole.body() != split.body()) {
    std::abort();
  }
  if (whole.status() < 0 || whole.status() > 999) std::abort();
  return 0;
}
