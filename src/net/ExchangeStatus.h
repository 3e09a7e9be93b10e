#pragma once
// The progress of one score exchange, as the online score screen's notify
// receives it.
#include <cstdint>

namespace bt {

enum class ExchangeStatus : int32_t {
  Idle = 0,        // set by the screen itself
  Connecting = 1,  // first thing the worker does
  Exchanging = 2,  // the data connection is up
  Complete = 3,    // the request succeeded and the table was read
  Failed = 4,      // anything went wrong
};

}  // namespace bt
