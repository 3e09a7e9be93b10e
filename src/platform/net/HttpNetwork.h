#pragma once
// The network of both backends: HTTP over the system's sockets (SocketHttpPost),
// and a data connection that a desktop always has. The headless backend can
// be told to refuse the data connection, as a phone without coverage does.
#include <atomic>
#include <memory>

#include "platform/Network.h"

namespace bt::platform {

class HttpNetwork : public Network {
 public:
  std::unique_ptr<DataConnection> openDataConnection() override;
  std::unique_ptr<HttpPost> makePost(HttpPostRequest request) override;

  // Also drops the connections already open, as losing coverage does.
  void refuseDataConnection(bool refuse) { refuseData_ = refuse; }
  // How many data connections have been brought up so far.
  int dataConnectionsOpened() const { return opened_; }

 private:
  std::atomic<bool> refuseData_{false};
  std::atomic<int> opened_{0};
};

}  // namespace bt::platform
