#pragma once
// The progress of one score exchange, and what receives it: the online score
// screen's notify.
#include <cstdint>

namespace bt {

enum class ExchangeStatus : int32_t {
  Idle = 0,        // set by the screen itself
  Connecting = 1,  // first thing the worker does
  Exchanging = 2,  // the data connection is up
  Complete = 3,    // the request succeeded and the table was read
  Failed = 4,      // anything went wrong
};

class ExchangeListener {
 public:
  // Called from the exchange's worker thread, or from the thread that
  // started the exchange where there is no worker (see HighScoreClient).
  virtual void notify(ExchangeStatus status) = 0;

 protected:
  ~ExchangeListener() = default;
};

}  // namespace bt
