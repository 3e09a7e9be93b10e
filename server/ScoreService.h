#pragma once
// What the server answers, apart from HTTP itself: the path and method are
// checked, the query read, a submission limited, checked and stored, and the
// ten best returned. Every refusal has its status and a one-line reason and
// changes nothing.
#include <cstddef>
#include <string>
#include <string_view>

#include "ScoreStore.h"
#include "SubmissionRateLimit.h"

namespace bt::scored {

inline constexpr size_t kMaxBodyBytes = 1024;

struct ScoreRequest {
  std::string_view method;
  std::string_view path;
  std::string_view query;  // after '?', still percent-encoded
  size_t bodySize = 0;
  std::string clientAddress;
};

struct ScoreReply {
  int status = 200;
  std::string body;  // text/plain
};

class ScoreService {
 public:
  ScoreService(ScoreStore& store, SubmissionRateLimit& limit) : store_(store), limit_(limit) {}

  ScoreReply handle(const ScoreRequest& request);

 private:
  ScoreStore& store_;
  SubmissionRateLimit& limit_;
};

}  // namespace bt::scored
